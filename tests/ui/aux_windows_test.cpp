// The keypad, allowable-stress, soil-table and ground-diagram windows driven through
// their real widgets, writing into a real design-conditions window.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"
#include "forms/dialogs.h"
#include "forms/keypad.h"
#include "forms/soil_tables.h"
#include "ui/allowable_stress_window.h"
#include "ui/design_conditions_window.h"
#include "ui/ground_diagram_window.h"
#include "ui/keypad_window.h"
#include "ui/qt_text.h"
#include "ui/soil_tables_window.h"
#include "ui/wall_figure.h"

namespace stelvar::ui {
namespace {

using Kind = ScriptedDialogs::Entry::Kind;

template <class W>
W* Find(const QWidget& window, const char* name) {
    W* widget = window.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void ClickRadio(const QWidget& window, const std::string& group, int item) {
    auto* radio = Find<QRadioButton>(window, (group + "_" + std::to_string(item)).c_str());
    // On the round mark: a click beside a short caption misses the button.
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

// Every text of a window fits its label: no line is cut off at the right or bottom.
void ExpectLabelsWhole(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        if (label->wordWrap()) {
            const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                                      Qt::TextWordWrap, label->text());
            EXPECT_LE(needed.height(), label->height()) << FromQString(label->text());
            continue;
        }
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << FromQString(line);
        EXPECT_LE(static_cast<int>(lines.size()) * metrics.lineSpacing(), label->height() + 2)
            << FromQString(label->text());
    }
}

class AuxWindowsTest : public ::testing::Test {
protected:
    AuxWindowsTest()
        : conditionsWindow(conditions),
          stressWindow(stresses, conditionsWindow),
          keypadWindow(keypad),
          soilWindow(soil, conditionsWindow, &dialogs),
          diagram(conditions) {
        keypadWindow.RegisterWindow(keypad::kDesignConditionsWindow, conditions, conditionsWindow,
                                    [this] { conditionsWindow.SyncFromModel(); });
        keypadWindow.RegisterWindow(keypad::kAllowableStressWindow, stresses, stressWindow,
                                    [this] { stressWindow.SyncFromModel(); });
        QObject::connect(&conditionsWindow, &DesignConditionsWindow::KeypadRequested, &keypadWindow,
                         [this](const QString& box) { keypadWindow.ShowFor(keypad::kDesignConditionsWindow, box); });
        QObject::connect(&stressWindow, &AllowableStressWindow::KeypadRequested, &keypadWindow,
                         [this](const QString& box) { keypadWindow.ShowFor(keypad::kAllowableStressWindow, box); });
        conditionsWindow.move(20, 20);
        conditionsWindow.show();
    }

    void Press(const char* caption) {
        QPushButton* key = keypadWindow.Key(QString::fromUtf8(caption));
        ASSERT_NE(key, nullptr) << caption;
        QTest::mouseClick(key, Qt::LeftButton);
    }
    void Type(const std::string& keys) {
        for (char c : keys) Press(std::string(1, c).c_str());
    }
    QString DesignBox(const char* name) {
        QWidget* w = conditionsWindow.Control(name);
        if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
        auto* edit = qobject_cast<QLineEdit*>(w);
        EXPECT_NE(edit, nullptr) << name;
        return edit ? edit->text() : QString();
    }
    QString StressBox(const char* name) { return Find<QLineEdit>(stressWindow, name)->text(); }

    // A click on the middle of a table cell, through the table's viewport.
    void ClickCell(const char* table, int row, int column) {
        QTableWidget* grid = soilWindow.Table(table);
        ASSERT_NE(grid, nullptr);
        const QRect cell = grid->visualItemRect(grid->item(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    KeypadForm keypad;
    SoilTablesForm soil;
    ScriptedDialogs dialogs;
    DesignConditionsWindow conditionsWindow;
    AllowableStressWindow stressWindow;
    KeypadWindow keypadWindow;
    SoilTablesWindow soilWindow;
    GroundDiagramWindow diagram;
};

// ---- Keypad --------------------------------------------------------------------------

TEST_F(AuxWindowsTest, KeypadKeysBuildTheTextClsAndCancelEmptyIt) {
    EXPECT_FALSE(keypadWindow.isVisible());
    EXPECT_EQ(FromQString(keypadWindow.windowTitle()), "設計条件入力");
    EXPECT_EQ(FromQString(keypadWindow.Key(QStringLiteral("."))->toolTip()), "少数点");
    EXPECT_NE(keypadWindow.findChild<QWidget*>(QStringLiteral("Ten_Key")), nullptr);
    QTest::mouseClick(Find<QLineEdit>(conditionsWindow, "Edit15"), Qt::LeftButton);
    ASSERT_TRUE(keypadWindow.isVisible());

    Type("12..5");  // no check of the number: "." twice is kept
    EXPECT_EQ(keypadWindow.Entry()->text(), QStringLiteral("12..5"));
    EXPECT_EQ(keypad.EntryText(), "12..5");
    Press("CLS");
    EXPECT_EQ(keypadWindow.Entry()->text(), QString());
    EXPECT_TRUE(keypadWindow.isVisible());

    Type("7");
    Press("取消");
    EXPECT_FALSE(keypadWindow.isVisible());
    EXPECT_EQ(keypadWindow.Entry()->text(), QString());
    EXPECT_EQ(keypad.EntryText(), "");
    EXPECT_EQ(conditions.Controls().Text("Edit15"), "20");  // nothing posted
}

TEST_F(AuxWindowsTest, KeypadPostsIntoTheClickedDesignBox) {
    // An edit box and an editable combo box (clicked on its edit line).
    struct Case {
        const char* Box;
        QWidget* ClickOn;
        const char* Keys;
    };
    auto* combo = Find<QComboBox>(conditionsWindow, "ComboBox7");
    const Case cases[] = {{"Edit15", Find<QLineEdit>(conditionsWindow, "Edit15"), "21.5"},
                          {"ComboBox7", combo->lineEdit(), "24.5"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Box);
        QTest::mouseClick(c.ClickOn, Qt::LeftButton);
        ASSERT_TRUE(keypadWindow.isVisible());
        EXPECT_EQ(keypad.Target(), (KeypadTarget{5, c.Box}));
        Type(c.Keys);
        Press("転記");
        EXPECT_EQ(conditions.Controls().Text(c.Box), c.Keys);
        EXPECT_EQ(DesignBox(c.Box), QString::fromUtf8(c.Keys));
        EXPECT_FALSE(keypadWindow.isVisible());
        EXPECT_EQ(keypadWindow.Entry()->text(), QString());
    }
}

TEST_F(AuxWindowsTest, KeypadTextThatAReactionRefusesIsReportedAndKept) {
    // The standard seismic coefficient recomputes the design coefficient at once.
    QSignalSpy failed(&keypadWindow, &KeypadWindow::ConversionFailed);
    keypadWindow.ShowFor(keypad::kDesignConditionsWindow, QStringLiteral("ComboBox5"));
    Type("1..2");
    Press("転記");
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(FromQString(failed.at(0).at(0).toString()), "'1..2' is not a valid floating point value");
    EXPECT_EQ(conditions.Controls().Text("ComboBox5"), "1..2");
    EXPECT_EQ(DesignBox("ComboBox5"), QStringLiteral("1..2"));
    EXPECT_FALSE(keypadWindow.isVisible());
}

TEST_F(AuxWindowsTest, KeypadOpenedFromTheAllowableStressWindowPostsThere) {
    stressWindow.Open(QPoint(300, 40));
    // Both windows have a box "Edit2": the design window's is the back slope.
    const std::string backSlope = conditions.Controls().Text("Edit2");
    QTest::mouseClick(Find<QLineEdit>(stressWindow, "Edit2"), Qt::LeftButton);
    ASSERT_TRUE(keypadWindow.isVisible());
    EXPECT_EQ(keypad.Target(), (KeypadTarget{9, "Edit2"}));
    EXPECT_EQ(keypadWindow.pos(), KeypadPlacement(*Find<QLineEdit>(stressWindow, "Edit2")));
    Type("0.28");
    Press("転記");
    EXPECT_EQ(stresses.Controls().Text("Edit2"), "0.28");
    EXPECT_EQ(StressBox("Edit2"), QStringLiteral("0.28"));
    EXPECT_EQ(conditions.Controls().Text("Edit2"), backSlope);
    EXPECT_EQ(conditions.Controls().Text("Edit24"), "0.22");
    EXPECT_TRUE(stressWindow.isVisible());
}

TEST_F(AuxWindowsTest, KeypadOpensBelowItsBoxAndStaysOnTheScreen) {
    // The box's place is the sum of the places of the box and its enclosing widgets,
    // added to the window's position; the pad goes 40 pixels lower.
    const auto expected = [](const QWidget& box) {
        QPoint at = box.window()->pos() + QPoint(0, 40);
        for (const QWidget* w = &box; w != box.window(); w = w->parentWidget()) at += w->pos();
        return at;
    };
    for (const char* name : {"Edit15", "Edit36"}) {  // Edit36 sits in nested notebooks
        SCOPED_TRACE(name);
        auto* box = Find<QLineEdit>(conditionsWindow, name);
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(keypadWindow.pos(), expected(*box));
        Press("取消");
    }

    // Near the bottom of the screen the pad moves up until "転記" is reachable.
    const QRect screen = conditionsWindow.screen()->availableGeometry();
    conditionsWindow.move(screen.left(), screen.bottom() - conditionsWindow.height());
    auto* low = Find<QLineEdit>(conditionsWindow, "Edit18");
    ASSERT_GT(expected(*low).y() + keypadWindow.height(), screen.bottom() + 1);
    QTest::mouseClick(low, Qt::LeftButton);
    EXPECT_TRUE(screen.contains(keypadWindow.frameGeometry())) << keypadWindow.frameGeometry().y();
    EXPECT_EQ(keypadWindow.pos().x(), expected(*low).x());
}

// ---- Allowable stresses --------------------------------------------------------------

TEST_F(AuxWindowsTest, AllowableStressTableComesOutThroughTheWindow) {
    stressWindow.Open(QPoint(300, 40));
    EXPECT_EQ(FromQString(stressWindow.windowTitle()), "許容応力度");
    EXPECT_EQ(StressBox("Edit1"), QStringLiteral("4.5"));  // the initial texts
    struct Row {
        int Strength;
        int Case;
        const char* SigmaCa;
        const char* SigmaCat;
        const char* TauCa;
    };
    // In an order where every step changes a selection (choosing the selected item
    // recomputes nothing).
    const Row rows[] = {
        {1, 0, "5.25", "0.26", "0.36"}, {2, 0, "5.50", "0.30", "0.39"}, {0, 0, "4.50", "0.22", "0.33"},
        {0, 1, "6.75", "0.34", "0.50"}, {1, 1, "7.88", "0.39", "0.54"}, {2, 1, "8.25", "0.45", "0.58"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.Strength) + "/" + std::to_string(r.Case));
        if (stresses.Controls().Index("RadioGroup1") != r.Strength) ClickRadio(stressWindow, "RadioGroup1", r.Strength);
        if (stresses.Controls().Index("RadioGroup4") != r.Case) ClickRadio(stressWindow, "RadioGroup4", r.Case);
        EXPECT_EQ(FromQString(StressBox("Edit1")), r.SigmaCa);
        EXPECT_EQ(FromQString(StressBox("Edit2")), r.SigmaCat);
        EXPECT_EQ(FromQString(StressBox("Edit3")), r.TauCa);
    }
}

TEST_F(AuxWindowsTest, AllowableStressTransferAndCancel) {
    stressWindow.Open(QPoint(300, 40));
    ClickRadio(stressWindow, "RadioGroup1", 2);
    ClickRadio(stressWindow, "RadioGroup4", 1);
    QTest::mouseClick(stressWindow.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(stressWindow.isVisible());
    EXPECT_EQ(conditions.Controls().Text("Edit50"), "18");

    // Reopened, it keeps its selections and texts; a typed value is copied as typed.
    stressWindow.Open(QPoint(300, 40));
    EXPECT_TRUE(Find<QRadioButton>(stressWindow, "RadioGroup1_2")->isChecked());
    auto* tau = Find<QLineEdit>(stressWindow, "Edit3");
    tau->selectAll();
    QTest::keyClicks(tau, QStringLiteral("0.6"));
    QTest::mouseClick(stressWindow.TransferButton(), Qt::LeftButton);
    EXPECT_FALSE(stressWindow.isVisible());
    const std::pair<const char*, const char*> expected[] = {
        {"Edit50", "24"}, {"Edit23", "8.25"}, {"Edit24", "0.45"}, {"Edit25", "0.6"}};
    for (const auto& [box, text] : expected) {
        EXPECT_EQ(conditions.Controls().Text(box), text) << box;
        EXPECT_EQ(FromQString(DesignBox(box)), text) << box;
    }
}

// ---- Soil tables ---------------------------------------------------------------------

TEST_F(AuxWindowsTest, SoilTablesShowTheirTablesAndAreRefilledWhenShown) {
    soilWindow.Open(QPoint(0, 70));
    EXPECT_EQ(soilWindow.pos(), QPoint(0, 70));
    EXPECT_EQ(FromQString(soilWindow.windowTitle()), "土質定数");
    struct Table {
        const char* Name;
        std::vector<int> Widths;
        int DataRows;
        const char* Hint;
        bool Resizable;
    };
    const Table tables[] = {{"StringGrid1", {60, 60, 90, 60}, 3, "該当土質をクリック", true},
                            {"StringGrid2", {65, 60, 85, 65, 62, 42}, 9, "該当地盤をクリック", true},
                            {"StringGrid3", {90, 60, 60}, 3, "", false}};
    for (const Table& t : tables) {
        SCOPED_TRACE(t.Name);
        QTableWidget* grid = soilWindow.Table(t.Name);
        ASSERT_NE(grid, nullptr);
        ASSERT_EQ(grid->columnCount(), static_cast<int>(t.Widths.size()));
        EXPECT_EQ(grid->rowCount(), t.DataRows);
        for (int c = 0; c < grid->columnCount(); ++c) {
            EXPECT_EQ(grid->columnWidth(c), t.Widths[static_cast<std::size_t>(c)]);
            EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(c),
                      t.Resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
        }
        EXPECT_EQ(FromQString(grid->toolTip()), t.Hint);
        // The whole table is in view: last row and last column inside the viewport.
        const QRect last = grid->visualItemRect(grid->item(grid->rowCount() - 1, grid->columnCount() - 1));
        EXPECT_LE(last.bottom(), grid->viewport()->height() - 1);
        EXPECT_LE(last.right(), grid->viewport()->width() - 1);
        // Every cell is shown whole within its column.
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                EXPECT_LE(QFontMetrics(grid->font()).horizontalAdvance(grid->item(r, c)->text()) + 2,
                          grid->columnWidth(c))
                    << FromQString(grid->item(r, c)->text());
    }
    QTableWidget* foundation = soilWindow.Table("StringGrid2");
    EXPECT_EQ(FromQString(foundation->horizontalHeaderItem(2)->text()), "qa許容支持力度");
    EXPECT_EQ(FromQString(foundation->item(6, 0)->text()), "　〃　　");
    EXPECT_EQ(FromQString(foundation->item(8, 5)->text()), "10～15");
    EXPECT_EQ(FromQString(soilWindow.Table("StringGrid3")->item(0, 2)->text()), "20(kN/m3)");
    ExpectLabelsWhole(soilWindow);

    // Closed and shown again, the tables hold their own values once more.
    soil.SetCell("StringGrid1", 1, 1, "x");
    soilWindow.SyncFromModel();
    QTest::mouseClick(soilWindow.CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(soilWindow.isVisible());
    soilWindow.Open(QPoint(0, 83));
    EXPECT_EQ(FromQString(soilWindow.Table("StringGrid1")->item(0, 1)->text()), "20(kN/m3)");
}

TEST_F(AuxWindowsTest, BackfillRowAskedYesSetsTheSoilAndHidesNoChangesNothing) {
    soilWindow.Open(QPoint(0, 70));
    // The header does nothing.
    QHeaderView* header = soilWindow.Table("StringGrid1")->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 20, header->height() / 2));
    EXPECT_TRUE(dialogs.Shown().empty());

    dialogs = ScriptedDialogs({false, true});
    ClickCell("StringGrid1", 1, 2);  // 砂質土, answered No
    EXPECT_EQ(dialogs.Texts(Kind::Confirm), std::vector<std::string>{"土質=砂質土\rいいですか。"});
    EXPECT_TRUE(soilWindow.isVisible());
    EXPECT_EQ(conditions.Controls().Index("RadioGroup1"), 0);
    EXPECT_EQ(DesignBox("Edit15"), QStringLiteral("20"));
    EXPECT_EQ(DesignBox("Edit14"), QStringLiteral("35"));

    ClickCell("StringGrid1", 1, 0);  // the same row, answered Yes
    EXPECT_FALSE(soilWindow.isVisible());
    EXPECT_EQ(conditions.Controls().Index("RadioGroup1"), 1);
    EXPECT_TRUE(Find<QRadioButton>(conditionsWindow, "RadioGroup1_1")->isChecked());
    EXPECT_EQ(DesignBox("Edit15"), QStringLiteral("19"));
    EXPECT_EQ(DesignBox("Edit14"), QStringLiteral("30"));
    EXPECT_EQ(DesignBox("Edit21"), QStringLiteral("0.0"));
}

TEST_F(AuxWindowsTest, FoundationRowGoesIntoTheBearingBoxes) {
    soilWindow.Open(QPoint(0, 70));
    dialogs = ScriptedDialogs({true});
    ClickCell("StringGrid2", 0, 4);  // 岩盤 きれつ少い
    EXPECT_EQ(dialogs.Texts(Kind::Confirm),
              std::vector<std::string>{"許容鉛直支持力度(qa)=1000 kN/m2\r摩擦係数(μ=tan(φb))=0.7\r\rいいですか。"});
    EXPECT_EQ(DesignBox("Edit16"), QStringLiteral("1000"));
    EXPECT_EQ(DesignBox("Edit17"), QStringLiteral("0.7"));
    EXPECT_EQ(conditions.Controls().Text("Edit16"), "1000");
    EXPECT_FALSE(soilWindow.isVisible());
}

TEST(SoilTableNotes, RunsOfSpacesBreakTheLineAndIndentUnderTheMark) {
    namespace st = soil_tables;
    EXPECT_EQ(FromQString(NoteLines(st::kBackfillNotes[0])), std::string(st::kBackfillNotes[0]));
    EXPECT_EQ(FromQString(NoteLines(st::kBackfillNotes[1])),
              "注２）土質定数を上表から推定する場合は、粘着力Ｃ　\n　　　を無視する。");
    EXPECT_EQ(FromQString(NoteLines(st::kBackfillNotes[2])),
              "注３）地下水位以下にある土の単位体積重量は、それ\n　　　ぞれ表中の値から９kN/m3を差し引いた値として\n　　　よい。");
    EXPECT_EQ(FromQString(NoteLines(st::kNaturalGroundNote)),
              "注）地下水位以下にある土の単位体積重量は、\n　　それぞれ表中の値から９kN/m3を差し引い　\n　　た値としてよい。");
}

// ---- Ground-constant diagram ---------------------------------------------------------

TEST_F(AuxWindowsTest, GroundDiagramSitsLeftOfTheDesignWindowWithItsLabels) {
    // Right edge 8 pixels over the design window's left edge, same top; never past the
    // left edge of the screen.
    const QRect screen(0, 0, 1920, 1080);
    EXPECT_EQ(GroundDiagramPlacement(QRect(600, 120, 711, 465), 270, screen), QPoint(338, 120));
    EXPECT_EQ(GroundDiagramPlacement(QRect(100, 50, 711, 465), 270, screen), QPoint(0, 50));
    EXPECT_EQ(GroundDiagramPlacement(QRect(100, 50, 711, 465), 270, QRect(-1920, 0, 3840, 1080)), QPoint(-162, 50));

    conditionsWindow.move(420, 30);
    diagram.ShowBeside(conditionsWindow.frameGeometry());
    ASSERT_TRUE(diagram.isVisible());
    EXPECT_EQ(FromQString(diagram.windowTitle()), "■地盤定数説明図");
    EXPECT_EQ(diagram.frameGeometry().topLeft(),
              QPoint(conditionsWindow.frameGeometry().left() - diagram.frameGeometry().width() + 8,
                     conditionsWindow.frameGeometry().top()));

    std::vector<std::string> texts;
    for (const QLabel* label : diagram.findChildren<QLabel*>()) texts.push_back(FromQString(label->text()));
    for (const char* text : {"γ1(単位重量)", "φ(剪断抵抗角) ", "γs", "c(粘着力)", "Df (根入深)", "γ2,φ,c",
                             "支持地盤 ---", "根入地盤", "Df ' (支持地盤根入)", "計画地盤面", "Df", "Df'"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
    // The labels on the picture lie inside it.
    const QRect picture = diagram.Figure().rect();
    for (const QLabel* label : diagram.Figure().findChildren<QLabel*>())
        EXPECT_TRUE(picture.contains(label->geometry())) << FromQString(label->text());
    ExpectLabelsWhole(diagram);

    // The picture follows the wall type; "閉じる" hides the window.
    const int paintings = diagram.Figure().Paintings();
    conditions.SetIndex("PageControl2", 1);
    diagram.UpdateFigure();
    EXPECT_GT(diagram.Figure().Paintings(), paintings);
    QTest::mouseClick(diagram.CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(diagram.isVisible());
}

TEST_F(AuxWindowsTest, TextsOfTheSmallWindowsAreWhole) {
    ExpectLabelsWhole(stressWindow);
    for (QPushButton* button : stressWindow.findChildren<QPushButton*>())
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8, button->width());
    for (QPushButton* button : keypadWindow.findChildren<QPushButton*>())
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 4, button->width());
}

}  // namespace
}  // namespace stelvar::ui
