#include "ui/qt/widgets.h"

#include <QMouseEvent>

namespace kestrel::ui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace kestrel::ui
