#include "assist/eventboxes.h"

#include "assist/core/eventlists.h"
#include "palette/attributebar.h"

#include <QWidget>

void addEventBox(AttributeBar *attributeBar, const EventGroup &group)
{
    if (QWidget *bar = attributeBar->currentBar())
        bar->show();
    attributeBar->addBox(group.boxName, group.caption, group.width, group.items());
}
