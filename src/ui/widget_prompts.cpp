#include "ui/widget_prompts.h"

#include <algorithm>

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include <QRegularExpression>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <vector>

namespace rse {

namespace {

// "dat" of "dat files(*.dat);;All files(*.*)": the extension of the first file kind.
QString FirstSuffixOf(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// Qt sizes a message box for its text and buttons; the window manager shows the title beside
// its own icon and buttons and cuts it ("Re…io") when the box is narrower. A spacer as wide
// as the title (in the usual bold of title bars) plus room for an icon, three buttons and
// padding keeps the box at least that wide.
void MakeRoomForTitle(QMessageBox& box, const QString& title) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid || title.isEmpty()) return;
    QFont bold = box.font();
    bold.setBold(true);
    const int titleBar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    int width = QFontMetrics(bold).horizontalAdvance(title) + 5 * titleBar;
    if (const QScreen* screen = box.screen()) {
        width = std::min(width, screen->availableGeometry().width() * 2 / 3);
    }
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void SetIcon(QMessageBox& box, Prompts::Icon icon) {
    using Icon = Prompts::Icon;
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
}

}  // namespace

int WidgetPrompts::Choose(QWidget* parent, const QString& text, const QString& title, Icon icon,
                          const QStringList& buttons, int defaultButton) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    SetIcon(box, icon);
    std::vector<QPushButton*> pushed;
    for (int i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        pushed.push_back(
            box.addButton(buttons[i], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
        pushed.back()->setObjectName(QStringLiteral("cmdChoice%1").arg(i));
    }
    if (defaultButton >= 0 && defaultButton < buttons.size()) {
        box.setDefaultButton(pushed[static_cast<std::size_t>(defaultButton)]);
    }
    if (!pushed.empty()) box.setEscapeButton(pushed.back());
    MakeRoomForTitle(box, title);
    box.exec();
    for (std::size_t i = 0; i < pushed.size(); ++i)
        if (box.clickedButton() == pushed[i]) return static_cast<int>(i);
    return static_cast<int>(buttons.size()) - 1;
}

Prompts::Answer WidgetPrompts::Message(QWidget* parent, const QString& text, const QString& title,
                                       Icon icon, Buttons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    SetIcon(box, icon);
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    MakeRoomForTitle(box, title);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

QString WidgetPrompts::OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& folder) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString WidgetPrompts::SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& folder) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds the extension to a name typed without one, so that its question about
    // replacing a file is about the name that will be written.
    const QString suffix = FirstSuffixOf(filter);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().constFirst();
    // A dialog of the desktop may leave the extension out; then the question is asked here.
    if (!suffix.isEmpty() && !QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
        path += QLatin1Char('.') + suffix;
        const QFileInfo target(path);
        if (target.exists() &&
            QMessageBox::warning(parent, title,
                                 QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(target.fileName()),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) != QMessageBox::Yes) {
            return {};
        }
    }
    return path;
}

QString WidgetPrompts::AppendFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& path) {
    QFileDialog dialog(parent, title, path, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QString suffix = FirstSuffixOf(filter);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString chosen = dialog.selectedFiles().constFirst();
    if (!suffix.isEmpty() && !QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
        chosen += QLatin1Char('.') + suffix;
    return chosen;
}

}  // namespace rse
