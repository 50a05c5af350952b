#include "preview/core/activationscript.h"

QString pupilActivationScript(const QString &token)
{
    return QStringLiteral(R"js((function () {
  var token = '%1';
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
  window.addEventListener('click', function (event) {
    if (event.isTrusted && event.composedPath().some(activates))
      console.debug(token);
  }, true);
  window.addEventListener('keydown', function (event) {
    var field = event.target;
    if (event.isTrusted && event.key === 'Enter' && field && field.localName === 'input' && field.form)
      console.debug(token);
  }, true);
})();)js")
        .arg(token);
}
