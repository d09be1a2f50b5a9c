#pragma once
// The information window "このシステムは": the program's title line, its release date and
// "O.K", which hides the window.

#include <QWidget>

class QLabel;
class QPushButton;

namespace stelvar::ui {

inline constexpr const char* kProgramTitle = "Vantorel （Stelvar） Ver3.0";
inline constexpr const char* kReleaseDate = "2026年12月";

class InfoWindow final : public QWidget {
    Q_OBJECT

public:
    explicit InfoWindow(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return ok_; }

private:
    QPushButton* ok_ = nullptr;
};

}  // namespace stelvar::ui
