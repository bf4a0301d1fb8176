#pragma once
// The picture viewer: one picture with its natural size, zoom steps, a size typed by hand, and
// printing through the picture sheet.

#include <QDialog>
#include <QPixmap>

class QLabel;
class QLineEdit;
class QScrollArea;

class Tpicture_view : public QDialog {
    Q_OBJECT
public:
    explicit Tpicture_view(QWidget *parent = nullptr);

    // The numbers every viewer shares: natural size, zoom steps and print steps.
    struct Steps {
        int W = 0, H = 0, SX = 0, SY = 0, PX = 0, PY = 0;
    };
    static Steps &steps();
    static Steps stepsFor(int width, int height);
    // The size the picture sheet prints a picture of natural size (W, H) with print steps (PX, PY):
    // wider than 710, it shrinks step by step until it is 710 or narrower.
    static QSize printSize(const Steps &s);

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }
    QSize shownSize() const;

    void naturalSize();
    void zoomIn();
    void zoomOut();
    void stretchTo(int width, int height);
    void print(bool preview);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPixmap m_picture;
    QLabel *m_image;
    QScrollArea *m_area;
    QLineEdit *m_width;
    QLineEdit *m_height;
    QSize m_shown;
};
