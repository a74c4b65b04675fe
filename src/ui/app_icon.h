// The program icon and the toolbar pictures, drawn in code.
#pragma once

#include <QIcon>

namespace rse {

QIcon AppIcon();
QIcon PrintIcon();

}  // namespace rse
