#include "ui/help_contexts.h"

#include <QVariant>
#include <QWidget>

namespace rse {

namespace {

constexpr const char* kHelpContextProperty = "helpContextId";

struct HelpContext {
    const char* control;
    int topic;
};

// Context topics of the controls; every control of that name gets the topic.
constexpr HelpContext kHelpContexts[] = {
    {"MSFlexGrid1", 1022},  {"cmbCN", 1025},      {"chkCEnable", 1028}, {"chkDEnable", 1028},
    {"chkCTXEnable", 1029}, {"chkCDup", 1030},    {"chkCTXOnly", 1031}, {"chkCTXPower", 1032},
    {"chkCScan", 1033},     {"chkDScan", 1033},   {"txtCTag", 1034},    {"txtDTagName", 1034},
    {"cmbFCont", 1036},     {"cmbFDim", 1037},    {"chkFBeep", 1038},   {"chkFATIS", 1039},
    {"txtFATISNo", 1040},   {"cmbFScan", 1041},   {"chkFDSC", 1042},    {"cmbFOffset", 1043},
    {"txtFUser", 1044},     {"txtFCount", 1045},  {"cmdFClear", 1046},  {"MSFlexGrid2", 1047},
    {"chkGEnable", 1049},   {"txtGPosi", 1050},   {"txtGMMSI", 1051},   {"tvTreeView", 1054},
    {"chkFindReply", 1058}, {"chkFindAck", 1059}, {"cmbFIND", 1060},    {"chkFposRR", 1061},
    {"chkFWX", 1062},
};

}  // namespace

void AssignHelpContexts(QWidget* root) {
    for (const HelpContext& c : kHelpContexts) {
        for (QWidget* w : root->findChildren<QWidget*>(QLatin1String(c.control))) {
            w->setProperty(kHelpContextProperty, c.topic);
        }
    }
}

int HelpContextOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const int topic = widget->property(kHelpContextProperty).toInt();
        if (topic > 0) return topic;
    }
    return 0;
}

std::vector<std::pair<QString, int>> HelpContextTable() {
    std::vector<std::pair<QString, int>> table;
    for (const HelpContext& c : kHelpContexts)
        table.emplace_back(QLatin1String(c.control), c.topic);
    return table;
}

}  // namespace rse
