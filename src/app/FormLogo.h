#pragma once

#include <QWidget>

namespace app {

// The splash window shown while start-up loads the session: borderless,
// 301 x 166, centred, blue, with a painted logo. It closes once the company
// connection is open.
class TFormLogo : public QWidget {
    Q_OBJECT
public:
    explicit TFormLogo(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace app
