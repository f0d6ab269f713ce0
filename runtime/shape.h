#pragma once

#include <QColor>
#include <QWidget>

// A filled figure drawn with antialiasing at the screen's real resolution, so it stays sharp at any
// scale. Squares and circles take the largest size that fits the control's rectangle, centred in it.
// A shape is decoration only: it takes neither mouse nor keyboard input.
class Shape : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Rectangle, RoundedSquare, Circle };

    Shape(Kind kind, QColor fill, QColor outline, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    QColor fillColor() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    QColor m_fill;
    QColor m_outline;
};
