// Helpers of the editor panel tests: a shown, active main window and user-like input.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTreeWidget>

#include "ui_test_support.h"

namespace rse::test {

class PanelTest : public MainWindowTest {
  protected:
    // The window shown and active, so that focus changes happen as for a user.
    FrmMain& OpenActive() {
        FrmMain& w = Open();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }

    void ClickNode(const QString& key) {
        QTreeWidgetItem* node = window->Tree()->NodeByKey(key);
        ASSERT_NE(node, nullptr) << key.toStdString();
        window->Tree()->scrollToItem(node);
        const QRect r = window->Tree()->visualItemRect(node);
        QTest::mouseClick(window->Tree()->viewport(), Qt::LeftButton, {}, r.center());
    }

    // A click on the box or label of a check box (its left end, where the indicator is).
    static void ClickCheck(QAbstractButton* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    // Gives a control the focus by a click, as a user moves into a field.
    static void ClickInto(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
        QCoreApplication::processEvents();  // a field selects its text after the click
    }

    static QWidget* Focus() { return QApplication::focusWidget(); }

    template <typename T>
    T* Control(const char* name) {
        T* c = Find<T>(window.get(), name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
};

}  // namespace rse::test
