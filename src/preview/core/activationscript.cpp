#include "preview/core/activationscript.h"

QString pupilActivationScript(const QString &token)
{
    return QStringLiteral(R"js((function () {
  var token = '%1';
  // The path of the pupil's last real press of a mouse button, of the key that is activating now, and the
  // element the pupil's own press or Tab gave the focus.
  var pressed = [];
  var keyed = [];
  var tabbing = false;
  var pupilFocused = null;
  function activates(node) {
    if (!node || node.nodeType !== 1)
      return false;
    var name = node.localName;
    if (name === 'a' || name === 'area')
      return node.hasAttribute('href');
    if (name === 'button')
      return true;
    if (name === 'input')
      return ['submit', 'image', 'button', 'reset'].indexOf(node.type) >= 0;
    return false;
  }
  function parentOf(node) {
    if (node.parentElement)
      return node.parentElement;
    var root = node.getRootNode ? node.getRootNode() : null;
    return root && root.host ? root.host : null;
  }
  // Whether the pupil can see the element: a box of some size in the window, neither it nor anything around
  // it hidden or (nearly) transparent.
  function visible(node) {
    var box = node.getBoundingClientRect();
    if (box.width < 2 || box.height < 2 || box.right <= 0 || box.bottom <= 0 ||
        box.left >= window.innerWidth || box.top >= window.innerHeight)
      return false;
    var opacity = 1;
    for (var element = node; element; element = parentOf(element)) {
      var style = window.getComputedStyle(element);
      if (style.visibility !== 'visible' || style.display === 'none')
        return false;
      opacity *= parseFloat(style.opacity);
      if (opacity < 0.1)
        return false;
    }
    return true;
  }
  // Forgets a path once the event being handled now, and the click it leads to, are over.
  function afterThisEvent(forget) {
    setTimeout(forget, 0);
  }
  window.addEventListener('mousedown', function (event) {
    if (event.isTrusted)
      pressed = event.composedPath();
  }, true);
  // Focus the pupil moved by pressing on an element or by Tab; a page moving it by script is not the pupil.
  window.addEventListener('focusin', function (event) {
    var target = event.composedPath()[0];
    pupilFocused = tabbing || pressed.indexOf(target) >= 0 ? target : null;
  }, true);
  window.addEventListener('keydown', function (event) {
    if (!event.isTrusted)
      return;
    if (event.key === 'Tab') {
      tabbing = true;
      afterThisEvent(function () { tabbing = false; });
    }
    // Enter clicks on the character that follows its key press, Space on its release.
    if (event.key === 'Enter' || event.key === ' ')
      keyed = event.composedPath();
    var field = event.composedPath()[0];
    if (event.key === 'Enter' && field && field.localName === 'input' && field.form &&
        field === pupilFocused && visible(field))
      console.debug(token);
  }, true);
  window.addEventListener('keyup', function (event) {
    if (!event.isTrusted)
      return;
    if (event.key === ' ')
      keyed = event.composedPath();
    var path = keyed;
    afterThisEvent(function () {
      if (keyed === path)
        keyed = [];
    });
  }, true);
  // A click counts when the pupil pressed on the link or button itself, or activated it by a key after
  // giving it the focus, and can see it. A label forwards its clicks to its control with the engine's own
  // trust, and a page may focus an invisible button that a Space pressed to scroll would activate: neither is
  // the pupil's.
  window.addEventListener('click', function (event) {
    if (!event.isTrusted)
      return;
    var press = pressed;
    afterThisEvent(function () {
      if (pressed === press)
        pressed = [];
    });
    var element = event.composedPath().find(activates);
    if (!element || !visible(element))
      return;
    var byPointer = pressed.indexOf(element) >= 0;
    var byKey = keyed.indexOf(element) >= 0 && pupilFocused === element;
    if (byPointer || byKey)
      console.debug(token);
  }, true);
})();)js")
        .arg(token);
}
