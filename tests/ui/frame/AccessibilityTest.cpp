// What a player who cannot use a mouse or cannot see the screen gets from the windows: the focus
// chain, the names and roles a screen reader hears, the header names of the grids and the checked
// state of the board's numbers.

#include "support/MainWindowFixture.h"
#include "ui/evaluation/ResultGridModel.h"
#include "ui/evaluation/TFrFrame1.h"
#include "ui/evaluation/TFrFrame2.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/TFHilfe.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/widgets/StringGrid.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace qv::test {
namespace {

QAccessibleInterface* Accessible(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(face, nullptr);
    return face;
}

QString SpokenName(QObject* object) {
    return Accessible(object)->text(QAccessible::Name);
}

// The names of the labels a screen reader reads for widget.
QStringList LabelNames(QWidget* widget) {
    QStringList names;
    for (const auto& [label, relation] : Accessible(widget)->relations(QAccessible::Label)) {
        names.append(label->text(QAccessible::Name));
    }
    return names;
}

// A control the player can reach and use.
bool IsControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QTabBar*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

// What keeps a window from being used by keyboard and screen reader; empty when nothing does.
QStringList Faults(QWidget* window) {
    QStringList faults;
    const QString where = window->objectName() + QLatin1Char('/');
    // A board's numbers are one stop of the Tab key together.
    qsizetype numberStops = 0;
    for (const QAbstractButton* number :
         window->findChildren<QAbstractButton*>(QRegularExpression(QStringLiteral("^lot\\d+$")))) {
        numberStops += (number->focusPolicy() & Qt::TabFocus) != 0 ? 1 : 0;
    }
    if (numberStops > 1) {
        faults << where + QStringLiteral(" has %1 numbers the Tab key stops at").arg(numberStops);
    }
    const QAccessible::Role role = Accessible(window)->role();
    if (role != QAccessible::Window && role != QAccessible::Dialog) {
        faults << where + QStringLiteral(" has the role %1").arg(role);
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = SpokenName(widget);
        const QString what = where + widget->objectName() + QLatin1Char('(') +
                             QString::fromUtf8(widget->metaObject()->className()) + QStringLiteral(") ");
        if (name.contains(QStringLiteral("-\n"))) {
            faults << what + QStringLiteral("is called \"%1\"").arg(name);
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->tabKeyNavigation()) {
            faults << what + QStringLiteral("keeps the Tab key");
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(widget);
            tabs && tabs->tabBar()->isVisibleTo(tabs) != (tabs->count() > 0)) {
            faults << what + QStringLiteral("shows a tab bar without tabs");
        }
        if (auto* grid = qobject_cast<StringGrid*>(widget)) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                const QString header = grid->model()->headerData(column, Qt::Horizontal).toString();
                // A column is named by its heading, which the name may say at more length ("Tippfeld 1"
                // for "1"); a column without a heading still gets a name.
                if (header.trimmed().isEmpty()) {
                    faults << what + QStringLiteral("leaves column %1 without a name").arg(column);
                }
                if (!header.contains(grid->Cell(column, 0).trimmed())) {
                    faults << what + QStringLiteral("names column %1 \"%2\"").arg(column).arg(header);
                }
            }
        }
        // The headers and the corner of a grid are parts of the grid, a list's drop-down part of the list.
        const bool part = qobject_cast<QAbstractItemView*>(widget->parentWidget()) || widget->window() != window;
        // A tab bar is called by its current tab and shows only with tabs.
        const bool emptyTabBar = qobject_cast<QTabBar*>(widget) && !widget->isVisibleTo(window);
        if (!IsControl(widget) || part || emptyTabBar) {
            continue;
        }
        // A drop-down list is called by its value; its label names it.
        const bool named = qobject_cast<QComboBox*>(widget)
                               ? !LabelNames(widget).isEmpty() || !widget->accessibleName().isEmpty()
                               : !name.trimmed().isEmpty();
        // Qt's own scroll-bar and spin arrows are no controls of the window's.
        const bool qtPart = widget->objectName().startsWith(QLatin1String("qt_")) &&
                            widget->objectName() != QLatin1String("qt_toolbar_ext_button");
        if (!named && !qtPart) {
            faults << what + QStringLiteral("has no name");
        }
    }
    return faults;
}

TEST(SpokenCaptionTest, JoinsWordsSplitAtALineBreakAndKeepsRealHyphens) {
    const struct {
        const char* caption;
        const char* spoken;
    } cases[] = {
        {"Sämtliche Dateien zu-\nsammen auswerten", "Sämtliche Dateien zusammen auswerten"},
        {"Nach dem Einfügen von Gewinnzahlen diese auto-\nmatisch herausfiltern",
         "Nach dem Einfügen von Gewinnzahlen diese automatisch herausfiltern"},
        {"Demo-\nSchein", "Demo-Schein"},
        {"Spielschein-\nDatei hinzufügen", "Spielschein-Datei hinzufügen"},
        {"Benötigte Tipp-\nscheine:", "Benötigte Tippscheine:"},
        {"Zahlen aus\nZwischenablage", "Zahlen aus Zwischenablage"},
        {"Gewinnreihen-Statisti&k", "Gewinnreihen-Statistik"},
        {"Sch&ließen", "Schließen"},
        {"Zahlen && Daten", "Zahlen & Daten"},
        {"Zeile 1\r\nZeile 2", "Zeile 1 Zeile 2"},
        {"Tipp-\r\nübersicht", "Tippübersicht"},
        {"Ende-\n", "Ende-"},
        {"-\n-\nx", "-x"},
        {"&", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpokenCaption(QString::fromUtf8(c.caption)), QString::fromUtf8(c.spoken)) << c.caption;
    }
}

// Tab from the first control of window on until the focus comes back to it. Returns what kept it from
// coming back (a control that keeps the Tab key, the focus leaving the window); empty when it came.
QString TabWalkFault(QWidget* window) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        return QStringLiteral("cannot be activated");
    }
    QWidget* first = nullptr;
    for (QWidget* widget = window->nextInFocusChain(); widget != window && first == nullptr;
         widget = widget->nextInFocusChain()) {
        if (widget->window() == window && widget->isVisible() && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) != 0) {
            first = widget;
        }
    }
    if (first == nullptr) {
        return QStringLiteral("has no control to tab to");
    }
    first->setFocus(Qt::TabFocusReason);
    first = QApplication::focusWidget();
    QStringList passed;
    for (int presses = 0; presses < 300; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || focus->window() != window) {
            return QStringLiteral("lost the focus after ") + passed.join(QLatin1Char(' '));
        }
        if (focus->inherits("QQuickWidget")) {
            // A browser view hands Tab to its page, which moves among the page's links first; the
            // empty test page has none, so the walk steps on as the page would at its end.
            QWidget* after = focus->nextInFocusChain();
            while (after != focus && (after->window() != window || !after->isVisible() || !after->isEnabled() ||
                                      (after->focusPolicy() & Qt::TabFocus) == 0)) {
                after = after->nextInFocusChain();
            }
            after->setFocus(Qt::TabFocusReason);
        } else {
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QWidget* next = QApplication::focusWidget();
        if (next == first) {
            return {};
        }
        if (next == focus) {
            return QStringLiteral("keeps the Tab key in ") + focus->objectName() + QLatin1Char('(') +
                   QString::fromUtf8(focus->metaObject()->className()) + QLatin1Char(')');
        }
        passed << (next != nullptr ? next->objectName() : QStringLiteral("-"));
    }
    return QStringLiteral("never came back to its first control: ") + passed.join(QLatin1Char(' '));
}

// The names a screen reader hears more than once among the controls of window.
QStringList DuplicateNames(QWidget* window) {
    QMap<QString, int> counts;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool part = qobject_cast<QAbstractItemView*>(widget->parentWidget()) || widget->window() != window;
        if (!IsControl(widget) || part || !widget->isVisibleTo(window) ||
            widget->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QString name = SpokenName(widget).trimmed();
        if (!name.isEmpty() && !qobject_cast<QComboBox*>(widget)) {
            ++counts[name];
        }
    }
    QStringList twice;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > 1) {
            twice << QStringLiteral("\"%1\" %2 times").arg(it.key()).arg(it.value());
        }
    }
    return twice;
}

class AccessibilityTest : public MainWindowFixture {
protected:
    void StartWithSlipAndResult() {
        SaveDraws(DrawFile(), MadeUpHistory(5));
        Start();
        WriteSlip("a.kts", Slip({{1, {1, 2}}, {3, {21, 22, 23, 70}}}, 1));
        m_fakes.fileDialogs.SetNextChoice({FromPath(Data() / "a.kts")});
        Click(QStringLiteral("BOpen1"));
        Click(QStringLiteral("BAuswerten"));
        ShowActive(m_main);
    }
    static void ShowActive(QWidget* window) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    StringGrid* SlipGrid() const {
        return Main<QTabWidget>(QStringLiteral("PC1"))->currentWidget()->findChild<TFrFrame1*>()->Grid();
    }
    QTableView* ResultGrid() const {
        return Main<QTabWidget>(QStringLiteral("PCF1"))->currentWidget()->findChild<TFrFrame2*>()->Grid();
    }
    // Presses key on the widget in focus; returns the widget in focus afterwards.
    static QWidget* Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        EXPECT_NE(focus, nullptr);
        if (focus != nullptr) {
            QTest::keyClick(focus, key, modifiers);
        }
        return QApplication::focusWidget();
    }
    QPushButton* Number(int n) const { return Main<QPushButton>(QStringLiteral("lot%1").arg(n)); }
};

TEST_F(AccessibilityTest, EveryWindowIsNamedReachableAndLeftByTab) {
    StartWithSlipAndResult();
    WindowRegistry& windows = m_app->Windows();
    std::vector<QWidget*> anew; // windows made anew each time are not among the registry's windows
    for (const QString& formName : windows.FormNames()) {
        if (formName == QLatin1String("FDetail")) {
            anew.push_back(windows.CreateAnew(m_app->Context(), formName));
        } else {
            windows.Create(m_app->Context(), formName);
        }
    }
    TFHilfe help;
    help.ShowTopic(kHelpContents);
    std::vector<QWidget*> all = windows.Windows();
    all.insert(all.end(), anew.begin(), anew.end());
    all.push_back(&help);
    ASSERT_NE(m_app->StartWindow(), nullptr);
    all.push_back(m_app->StartWindow());
    for (QWidget* window : all) {
        window->show(); // a window's inner parts are named when it shows
        EXPECT_EQ(Faults(window).join(QLatin1Char('\n')).toStdString(), "") << window->objectName().toStdString();
    }
}

// Every window the program registers, and the states of the main window and the slip entry where a
// tab set is empty: Tab walks through all controls and comes back to the first.
TEST_F(AccessibilityTest, TabComesBackToTheFirstControlInEveryWindow) {
    StartWithSlipAndResult();
    WindowRegistry& windows = m_app->Windows();
    for (const QString& formName : windows.FormNames()) {
        QWidget* window = formName == QLatin1String("FDetail") ? windows.CreateAnew(m_app->Context(), formName)
                                                               : windows.Create(m_app->Context(), formName);
        ASSERT_NE(window, nullptr) << formName.toStdString();
        if (formName == QLatin1String("FAbbild")) {
            continue; // shows only with a picture
        }
        EXPECT_EQ(TabWalkFault(window).toStdString(), "") << formName.toStdString();
        if (window != m_main) {
            window->hide();
        }
    }

    // The main window evaluated with no slip open: both tab sets are empty.
    Click(QStringLiteral("BitBtn5"));
    Click(QStringLiteral("BAuswerten"));
    EXPECT_EQ(TabWalkFault(m_main).toStdString(), "") << "evaluated without slips";

    // The slip entry after "Schein einlesen" was cancelled and after it read a slip.
    auto* entry = windows.OpenOrRestore(m_app->Context(), QStringLiteral("FEingabe"));
    ASSERT_NE(entry, nullptr);
    QTest::mouseClick(Find<QAbstractButton>(entry, QStringLiteral("BOpen2")), Qt::LeftButton);
    EXPECT_EQ(TabWalkFault(entry).toStdString(), "") << "slip entry, nothing read";
    m_fakes.fileDialogs.SetNextChoice({FromPath(Data() / "a.kts")});
    QTest::mouseClick(Find<QAbstractButton>(entry, QStringLiteral("BOpen2")), Qt::LeftButton);
    EXPECT_EQ(TabWalkFault(entry).toStdString(), "") << "slip entry with a slip read";
}

// A screen reader tells the controls of a window apart by their names.
TEST_F(AccessibilityTest, NoTwoControlsOfAWindowShareAName) {
    StartWithSlipAndResult();
    WindowRegistry& windows = m_app->Windows();
    for (const QString& formName : windows.FormNames()) {
        QWidget* window = formName == QLatin1String("FDetail") ? windows.CreateAnew(m_app->Context(), formName)
                                                               : windows.Create(m_app->Context(), formName);
        ASSERT_NE(window, nullptr) << formName.toStdString();
        window->show();
        EXPECT_EQ(DuplicateNames(window).join(QStringLiteral(", ")).toStdString(), "") << formName.toStdString();
    }

    // The same while the tab sets are empty: the main window evaluated with no slip open, the slip
    // entry before it read a slip.
    Click(QStringLiteral("BitBtn5"));
    Click(QStringLiteral("BAuswerten"));
    EXPECT_EQ(DuplicateNames(m_main).join(QStringLiteral(", ")).toStdString(), "") << "evaluated without slips";
    QWidget* entry = windows.OpenOrRestore(m_app->Context(), QStringLiteral("FEingabe"));
    ASSERT_NE(entry, nullptr);
    QTest::mouseClick(Find<QAbstractButton>(entry, QStringLiteral("BOpen2")), Qt::LeftButton);
    EXPECT_EQ(DuplicateNames(entry).join(QStringLiteral(", ")).toStdString(), "") << "slip entry, nothing read";
}

// Whoever cannot click a tool-bar button finds it as a menu item with its letter, and the main steps
// have keys of their own.
TEST_F(AccessibilityTest, EveryToolBarButtonIsAMenuItemAndTheMainStepsHaveKeys) {
    StartWithSlipAndResult();
    WindowRegistry& windows = m_app->Windows();
    for (const QString& formName : windows.FormNames()) {
        QWidget* window = windows.Create(m_app->Context(), formName);
        if (window == nullptr) {
            continue;
        }
        for (QToolBar* toolBar : window->findChildren<QToolBar*>()) {
            for (QAction* button : toolBar->actions()) {
                if (button->isSeparator() || !button->isVisible()) {
                    continue;
                }
                const QString itemName = button->property(SharedCommands::kMenuItemProperty).toString();
                const QString where = formName + QLatin1Char('/') + button->objectName();
                QAction* item = itemName.isEmpty() ? nullptr : window->findChild<QAction*>(itemName);
                ASSERT_NE(item, nullptr) << where.toStdString() << " has no menu item";
                const QList<QObject*> holders = item->associatedObjects();
                EXPECT_TRUE(std::any_of(holders.begin(), holders.end(), [](QObject* holder) {
                    return qobject_cast<QMenu*>(holder) != nullptr;
                })) << where.toStdString();
                EXPECT_TRUE(item->isVisible()) << where.toStdString();
                EXPECT_TRUE(item->text().contains(QLatin1Char('&'))) << where.toStdString();
            }
        }
    }
    const struct {
        const char* form;
        const char* item;
        QKeySequence keys;
    } steps[] = {
        {"FAuswertung", "MOeffnen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"FAuswertung", "MNeuerSpielschein", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"FAuswertung", "MEingabe2", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"FAuswertung", "MTippcenter", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"FAuswertung", "MStatistik", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"FAuswertung", "MAnalyse", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)},
        {"FAuswertung", "MDruck", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"FEingabe", "MDruck", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"FTippcenter", "MDruck", QKeySequence(Qt::CTRL | Qt::Key_P)},
    };
    for (const auto& step : steps) {
        QWidget* window = windows.Create(m_app->Context(), QString::fromUtf8(step.form));
        ASSERT_NE(window, nullptr) << step.form;
        auto* item = window->findChild<QAction*>(QString::fromUtf8(step.item));
        ASSERT_NE(item, nullptr) << step.form << "/" << step.item;
        EXPECT_EQ(item->shortcut(), step.keys) << step.form << "/" << step.item;
    }
    // The print window is one key away from the main window.
    ShowActive(m_main);
    QTest::keyClick(m_main, Qt::Key_P, Qt::ControlModifier);
    QWidget* print = windows.Find(QStringLiteral("FDruck"));
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->isVisible());
}

TEST_F(AccessibilityTest, TabLeavesTheSlipGridForTheResultGridAndTheControlsAfterIt) {
    StartWithSlipAndResult();
    StringGrid* slipGrid = SlipGrid();
    QTableView* resultGrid = ResultGrid();
    slipGrid->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), slipGrid);

    // The arrow keys move inside the grid.
    slipGrid->setCurrentCell(1, 1);
    EXPECT_EQ(Press(Qt::Key_Right), slipGrid);
    EXPECT_EQ(slipGrid->currentColumn(), 2);
    EXPECT_EQ(Press(Qt::Key_Down), slipGrid);
    EXPECT_EQ(slipGrid->currentRow(), 2);

    // Tab, then on to the result grid, and out of it.
    EXPECT_NE(Press(Qt::Key_Tab), slipGrid);
    QWidget* focus = QApplication::focusWidget();
    for (int presses = 0; presses < 20 && focus != resultGrid; ++presses) {
        focus = Press(Qt::Key_Tab);
        ASSERT_NE(focus, slipGrid) << "Tab came back to the slip grid before it reached the result grid";
    }
    ASSERT_EQ(focus, resultGrid);
    QWidget* after = Press(Qt::Key_Tab);
    EXPECT_NE(after, resultGrid);
    EXPECT_TRUE(m_main->isAncestorOf(after));
    EXPECT_EQ(Press(Qt::Key_Backtab), resultGrid);
    EXPECT_NE(Press(Qt::Key_Backtab), resultGrid);
}

TEST_F(AccessibilityTest, GridsNameTheirColumnsByTheirHeadings) {
    StartWithSlipAndResult();
    const struct {
        QAbstractItemView* grid;
        int row;
        std::vector<const char*> headers;
    } cases[] = {
        {SlipGrid(), 1, {"Einsatz", "Keno-Typ", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {ResultGrid(), 0, {"Datum", "Feld", "Keno-Typ", "Treffer", "Gewinn", "Gesamtgewinn"}},
    };
    for (const auto& c : cases) {
        QAccessibleTableInterface* table = Accessible(c.grid)->tableInterface();
        ASSERT_NE(table, nullptr);
        for (int column = 0; column < static_cast<int>(c.headers.size()); ++column) {
            const QString expected = QString::fromUtf8(c.headers[static_cast<std::size_t>(column)]);
            EXPECT_EQ(table->columnDescription(column), expected) << column;
            QAccessibleInterface* cell = table->cellAt(c.row, column);
            ASSERT_NE(cell, nullptr);
            const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
            ASSERT_EQ(headers.size(), 1);
            EXPECT_EQ(headers.first()->text(QAccessible::Name), expected) << column;
        }
    }
    // The heading column names the rows of the slip grid.
    EXPECT_EQ(Accessible(SlipGrid())->tableInterface()->rowDescription(1), SlipGrid()->Cell(0, 1).trimmed());
    EXPECT_FALSE(SlipGrid()->horizontalHeader()->isVisible());
}

TEST_F(AccessibilityTest, ControlsSayWhatTheyDo) {
    StartWithSlipAndResult();
    const struct {
        QWidget* window;
        const char* control;
        const char* name;
        const char* description;
    } cases[] = {
        {m_main, "CBAlle", "Sämtliche Dateien zusammen auswerten", ""},
        {m_main, "BDemo", "Demo-Schein", ""},
        {m_main, "BEingabe", "Tippreihen auf Spielscheinen eingeben...", "Tippreihen eingeben..."},
        {m_main, "BEingabe2", "Viele Tippreihen als Liste eingeben...", "Tippreihen eingeben..."},
        {m_main, "BitBtn7", "Programm beenden", "Programm beenden"},
        {Numbers(), "BitBtn5", "Schließen", "Fenster schließen"},
        {Numbers(), "cbFiltern", "Nach dem Einfügen von Gewinnzahlen diese automatisch herausfiltern", ""},
    };
    for (const auto& c : cases) {
        QWidget* control = Find(c.window, QString::fromUtf8(c.control));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(SpokenName(control), QString::fromUtf8(c.name)) << c.control;
        EXPECT_EQ(Accessible(control)->text(QAccessible::Description), QString::fromUtf8(c.description)) << c.control;
    }
    // In the other windows the end button only closes the window.
    auto* statistics = m_app->Windows().OpenOrRestore(m_app->Context(), QStringLiteral("FStatistik1"));
    ASSERT_NE(statistics, nullptr);
    EXPECT_EQ(SpokenName(Find(statistics, QStringLiteral("BitBtn7"))), QStringLiteral("Fenster schließen"));
}

TEST_F(AccessibilityTest, DateListsTabsAndToolBarAreNamed) {
    StartWithSlipAndResult();
    const struct {
        const char* list;
        const char* label;
    } lists[] = {{"ComboBox1", "für:"}, {"Combo2", "bis"}};
    for (const auto& c : lists) {
        auto* list = Main<QComboBox>(QString::fromUtf8(c.list));
        EXPECT_TRUE(LabelNames(list).contains(QString::fromUtf8(c.label))) << c.list;
        EXPECT_EQ(SpokenName(list->lineEdit()), QString::fromUtf8(c.label).remove(QLatin1Char(':'))) << c.list;
    }
    // A tab bar is called by its current tab; without tabs it does not show.
    auto* slipTabs = Main<QTabWidget>(QStringLiteral("PC1"));
    EXPECT_EQ(SpokenName(slipTabs->tabBar()), QStringLiteral("a"));
    EXPECT_TRUE(slipTabs->tabBar()->isVisible());
    Click(QStringLiteral("BitBtn5")); // closes every slip tab
    ASSERT_EQ(slipTabs->count(), 0);
    EXPECT_FALSE(slipTabs->tabBar()->isVisibleTo(slipTabs));
    auto* resultTabs = Main<QTabWidget>(QStringLiteral("PCF1"));
    EXPECT_EQ(resultTabs->count() > 0, resultTabs->tabBar()->isVisibleTo(resultTabs));
    auto* more = m_main->findChild<QToolBar*>()->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(SpokenName(more), QStringLiteral("Weitere Schaltflächen"));
}

TEST_F(AccessibilityTest, StartWinningNumberAndHelpWindowsAreWindows) {
    SaveDraws(DrawFile(), MadeUpHistory(2));
    Start();
    TFHilfe help;
    help.ShowTopic(kHelpContents);
    for (QWidget* window : {static_cast<QWidget*>(m_app->StartWindow()), static_cast<QWidget*>(Numbers()),
                            static_cast<QWidget*>(&help)}) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Accessible(window)->role(), QAccessible::Window) << window->objectName().toStdString();
        EXPECT_EQ(SpokenName(window), window->windowTitle());
    }
    EXPECT_EQ(SpokenName(help.findChild<QTextBrowser*>()), QStringLiteral("Hilfetext"));
}

TEST_F(AccessibilityTest, BoardNumbersAreCheckedWhileMarkedAndOnlyTheWindowMarks) {
    SaveDraws(DrawFile(), MadeUpHistory(1)); // one draw: nothing marked at start
    Start();
    ShowActive(m_main);
    ClickNumber(5);
    EXPECT_TRUE(Number(5)->isChecked());
    EXPECT_TRUE(Accessible(Number(5))->state().checked);
    EXPECT_TRUE(Accessible(Number(5))->state().checkable);
    EXPECT_FALSE(Number(6)->isChecked());
    ClickNumber(5);
    EXPECT_FALSE(Number(5)->isChecked());

    // A twenty-first mark is refused and its number stays unchecked.
    for (int n = 1; n <= 20; ++n) {
        ClickNumber(n);
    }
    ClickNumber(21);
    EXPECT_FALSE(Number(21)->isChecked());
    EXPECT_FALSE(Marked(21));
    Main<QToolButton>(QStringLiteral("Image1"))->click();
    EXPECT_FALSE(Number(1)->isChecked());

    // A screen reader's toggle asks as a click does.
    QAccessibleActionInterface* actions = Accessible(Number(9))->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(Number(9)->isChecked());
    EXPECT_TRUE(Marked(9));
    EXPECT_EQ(MarkedCount(), 1);
}

TEST_F(AccessibilityTest, BoardIsOneTabStopMovedThroughByArrowsAndMarkedBySpaceAndEnter) {
    SaveDraws(DrawFile(), MadeUpHistory(1)); // one draw: nothing marked at start
    Start();
    ShowActive(m_main);
    const struct {
        int from;
        Qt::Key key;
        int to;
    } moves[] = {
        {1, Qt::Key_Right, 2},   {10, Qt::Key_Right, 11}, {11, Qt::Key_Left, 10}, {1, Qt::Key_Left, 1},
        {70, Qt::Key_Right, 70}, {5, Qt::Key_Down, 15},   {65, Qt::Key_Down, 65}, {15, Qt::Key_Up, 5},
        {5, Qt::Key_Up, 5},      {37, Qt::Key_Home, 1},   {37, Qt::Key_End, 70},
    };
    for (const auto& move : moves) {
        Number(move.from)->setFocus(Qt::OtherFocusReason);
        EXPECT_EQ(Press(move.key), Number(move.to)) << move.from << " " << move.key;
    }

    // Space and Enter mark and unmark as a click does.
    Number(7)->setFocus(Qt::OtherFocusReason);
    Press(Qt::Key_Space);
    EXPECT_TRUE(Marked(7));
    Press(Qt::Key_Return);
    EXPECT_FALSE(Marked(7));
    Press(Qt::Key_Enter);
    EXPECT_TRUE(Number(7)->isChecked());

    // Tab leaves the board from any number and Shift+Tab comes back to the number last in focus.
    QWidget* after = Press(Qt::Key_Tab);
    ASSERT_NE(after, nullptr);
    EXPECT_FALSE(after->objectName().startsWith(QLatin1String("lot")));
    EXPECT_EQ(Press(Qt::Key_Backtab), Number(7));
    QWidget* before = Press(Qt::Key_Backtab);
    ASSERT_NE(before, nullptr);
    EXPECT_FALSE(before->objectName().startsWith(QLatin1String("lot")));
    EXPECT_EQ(Press(Qt::Key_Tab), Number(7));
}

} // namespace
} // namespace qv::test
