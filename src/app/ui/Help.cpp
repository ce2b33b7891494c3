#include "app/ui/Help.h"

namespace Help {
void showTopic(QWidget* parent, const QString& topicTitle)
{
    Q_UNUSED(parent);
    Q_UNUSED(topicTitle);
}
} // namespace Help
