#include "ui/info_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace stelvar::ui {

InfoWindow::InfoWindow(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("このシステムは"));

    auto* title = new QLabel(QString::fromUtf8(kProgramTitle), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    auto* date = new QLabel(QString::fromUtf8(kReleaseDate), this);
    date->setObjectName(QStringLiteral("Label2"));
    date->setAlignment(Qt::AlignCenter);

    ok_ = new QPushButton(QStringLiteral("O.K"), this);
    ok_->setObjectName(QStringLiteral("Button1"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addWidget(date);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
}

}  // namespace stelvar::ui
