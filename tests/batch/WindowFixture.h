#pragma once
// A shown BatchWindow over its own AppState, with the user's ways of reaching it: clicks on rows,
// heads and toolbar buttons, menu choices, typing into the account dialog. Links the window would
// open are recorded instead of opened.

#include <QApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <initializer_list>

#include "ListFixture.h"
#include "app/AppState.h"
#include "batch/AccountDialog.h"
#include "batch/AccountListView.h"
#include "batch/BatchWindow.h"
#include "batch/PartedStatusBar.h"

namespace nomvera::batch::testing {

inline lookup::ServiceAddresses TestAddresses() {
    lookup::ServiceAddresses addresses;
    addresses.makerPageUrl = "http://127.0.0.1:1/";
    return addresses;
}

struct WindowFixture {
    app::AppState state{TestAddresses()};
    BatchWindow window{state};
    QList<QUrl> opened;

    WindowFixture() {
        window.SetLinkOpener([this](const QUrl& url) { opened.append(url); });
        window.show();
    }

    AccountListModel& List() { return window.Model(); }
    AccountListView& View() { return window.ListView(); }
    QString Status() { return window.StatusBar().PartText(0); }

    QPoint RowCentre(int row) {
        return View().visualRect(List().index(row, lookup::kColumnAccount)).center();
    }

    // Selects the rows the way the user does: a click on the first, Ctrl+clicks on the others.
    void Select(std::initializer_list<int> rows) {
        View().clearSelection();
        bool first = true;
        for (int row : rows) {
            QTest::mouseClick(View().viewport(), Qt::LeftButton, first ? Qt::NoModifier : Qt::ControlModifier,
                              RowCentre(row));
            first = false;
        }
    }

    void ClickHead(int column) {
        QHeaderView* heads = View().horizontalHeader();
        const QPoint at(heads->sectionViewportPosition(column) + heads->sectionSize(column) / 2,
                        heads->height() / 2);
        QTest::mouseClick(heads->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    void DoubleClickRow(int row) {
        QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(row));
    }

    QAction* MenuEntry(const QString& text) {
        auto* menu = window.findChild<QMenu*>(QStringLiteral("右键"));
        if (menu == nullptr) return nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == text) return action;
        }
        return nullptr;
    }

    void Choose(const QString& entry) {
        QAction* action = MenuEntry(entry);
        QVERIFY2(action != nullptr, qPrintable(entry));
        action->trigger();
    }

    void ClickToolbar(const QString& text) {
        auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("工具条_顶部"));
        QVERIFY(toolbar != nullptr);
        for (QAction* action : toolbar->actions()) {
            if (action->text() != text) continue;
            QWidget* button = toolbar->widgetForAction(action);
            QVERIFY(button != nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        QFAIL(qPrintable(QStringLiteral("no toolbar button ") + text));
    }

    AccountDialog* Dialog() { return window.findChild<AccountDialog*>(); }

    // Types `text` into the open account dialog, then presses `key`, and waits for the dialog to go.
    void TypeInDialog(const QString& text, Qt::Key key) {
        AccountDialog* dialog = Dialog();
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QLineEdit& box = dialog->AccountBox();
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        // Chinese arrives from the input method as committed text, not as key presses.
        QInputMethodEvent typing;
        typing.setCommitString(text);
        QApplication::sendEvent(&box, &typing);
        QTest::keyClick(&box, key);
        QTRY_VERIFY(Dialog() == nullptr);
    }
};

}  // namespace nomvera::batch::testing
