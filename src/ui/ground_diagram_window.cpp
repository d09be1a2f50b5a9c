#include "ui/ground_diagram_window.h"

#include <QFont>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "ui/wall_figure.h"

namespace stelvar::ui {
namespace {

// The picture is taller than on the design pages so that the bearing ground below the
// base has room for its symbols; the wall and the level lines keep their pixels.
constexpr int kPictureWidth = 250;
constexpr int kPictureHeight = 248;

struct PictureLabel {
    const char* Text;
    int X, Y, W;
};

// The symbols on the picture, by the part of the ground they describe: the backfill
// behind the wall, the planned ground level in front of it (the front ground line at
// y 147), the embedment ground down to the bearing ground's top (dotted line, y 172),
// the bearing ground below, and the two depths at their marks (x 97, and above the short mark at x 227).
constexpr PictureLabel kPictureLabels[] = {
    {"γs", 204, 92, 30},
    {"計画地盤面", 4, 132, 80},
    {"根入地盤", 4, 154, 48},
    {"γ2,φ,c", 54, 154, 42},
    {"Df", 100, 156, 14},
    {"Df'", 229, 157, 20},
    {"支持地盤 ---", 4, 202, 70},
    {"γ1(単位重量)", 78, 202, 100},
    {"φ(剪断抵抗角) ", 78, 216, 100},
    {"c(粘着力)", 78, 230, 100},
};

}  // namespace

QPoint GroundDiagramPlacement(const QRect& designFrame, int ownFrameWidth, const QRect& screenArea) {
    int left = designFrame.left() - ownFrameWidth + 8;
    if (!screenArea.isEmpty()) left = std::max(left, screenArea.left());
    return {left, designFrame.top()};
}

GroundDiagramWindow::GroundDiagramWindow(const DesignConditionsForm& form, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form22"));
    setWindowTitle(QStringLiteral("■地盤定数説明図"));
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(12);
    setFont(font);

    auto* group = new QGroupBox(QStringLiteral("■地盤定数説明図"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(4, 2, kPictureWidth + 12, 18 + kPictureHeight + 40);

    figure_ = new WallFigureWidget(form, WallPicture::Diagram, group);
    figure_->setGeometry(6, 18, kPictureWidth, kPictureHeight);

    QFont small = font;
    small.setPixelSize(11);
    for (const PictureLabel& l : kPictureLabels) {
        auto* label = new QLabel(QString::fromUtf8(l.Text), figure_);
        label->setFont(small);
        label->setGeometry(l.X, l.Y, l.W, 16);
    }
    // What the two depth marks stand for.
    const char* legend[] = {"Df (根入深)", "Df ' (支持地盤根入)"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(QString::fromUtf8(legend[i]), group);
        label->setGeometry(10, 18 + kPictureHeight + 2 + i * 18, kPictureWidth - 8, 16);
    }

    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Button1"));
    close_->setGeometry(kPictureWidth + 16 - 96, group->geometry().bottom() + 6, 96, 26);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(kPictureWidth + 20, close_->geometry().bottom() + 7);
}

void GroundDiagramWindow::ShowBeside(const QRect& designFrame) {
    // The screen of the design-conditions window decides where the left edge is.
    QRect area;
    const QScreen* s = QGuiApplication::screenAt(designFrame.center());
    if (s == nullptr) s = screen();
    if (s != nullptr) area = s->availableGeometry();
    UpdateFigure();
    // The width of the frame is known once the window is on the screen: placed before
    // it shows (no jump), and again if the frame turned out wider.
    move(GroundDiagramPlacement(designFrame, frameGeometry().width(), area));
    show();
    const QPoint at = GroundDiagramPlacement(designFrame, frameGeometry().width(), area);
    if (pos() != at) move(at);
    raise();
}

void GroundDiagramWindow::UpdateFigure() { figure_->UpdateFigure(); }

}  // namespace stelvar::ui
