#pragma once

#include <QWidget>

namespace rt {

// The mark around the control that has the focus: two pixels (more at a
// zoom) of black, which stands out on every form's background, shown from
// the first focus on.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget& client);
    // Around `control` (a widget of the client area), or hidden for none.
    void follow(QWidget* control, double zoom);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int width_ = 2;
};

}  // namespace rt
