#pragma once
// Keys of the entry and filter inputs: Enter moves to the next control, Up and Down to the previous
// and next; numeric inputs take only digits and "." (editing keys still work).

class QWidget;

namespace keys {
void installNavigation(QWidget *input);
void installNumericFilter(QWidget *input);
bool isNumericInput(const QWidget *input);
} // namespace keys
