// Enter (either key) in a field moves the focus to the field's successor.
#pragma once

class QWidget;

namespace EnterChain {
void link(QWidget* from, QWidget* to);
} // namespace EnterChain
