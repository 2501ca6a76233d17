// The board area: a drawing surface in twips that keeps its picture until it is cleared.
#pragma once

#include <QImage>
#include <QWidget>

class BoardPicture : public QWidget {
    Q_OBJECT

public:
    explicit BoardPicture(QWidget* parent);

    void clear();
    // Both corners belong to the box; lengths in twips.
    void fillBox(int x1, int y1, int x2, int y2, const QColor& colour);
    void drawLine(int x1, int y1, int x2, int y2, const QColor& colour);

    // What the board shows, in device pixels.
    const QImage& image();

signals:
    // Any mouse button; the position in twips from the area's top-left corner.
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitImage();
    int deviceFromTwips(double twips) const;
    QRect deviceBox(int x1, int y1, int x2, int y2) const;
    void changed();

    // Everything drawn lands here, at the screen's pixel density, and the window only copies it out.
    QImage image_;
    bool updatePending_ = false;
};
