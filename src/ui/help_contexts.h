// The help topic of each control: every control of a listed name gets its topic number, and
// F1 shows the topic of the focused control or of the nearest parent that has one.
#pragma once

#include <utility>
#include <vector>

#include <QString>

class QWidget;

namespace rse {

// Gives every listed control below `root` its topic.
void AssignHelpContexts(QWidget* root);
// The topic of the widget or of its nearest parent that has one; 0 for none.
int HelpContextOf(const QWidget* widget);
// Control names and their topic numbers.
std::vector<std::pair<QString, int>> HelpContextTable();

}  // namespace rse
