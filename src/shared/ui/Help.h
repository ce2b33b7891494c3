// Help pages: every help button opens the help window with its topic.
#pragma once

#include <QString>

class QWidget;

namespace Help {
// Opens the help window, modal over parent, with the topic of that title.
void showTopic(QWidget* parent, const QString& topicTitle);
} // namespace Help
