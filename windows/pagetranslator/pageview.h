#pragma once

// The page of the page translator: one square cell per character, filled row by row, drawn by
// one widget so that a page of tens of thousands of characters builds at once; only the cells
// in view are painted.

#include <QStringList>
#include <QWidget>

class PageView : public QWidget
{
    Q_OBJECT
public:
    explicit PageView(QWidget *parent = nullptr);

    void setCharacters(const QStringList &characters);
    qsizetype count() const { return m_characters.size(); }
    void setCellSize(int cell);
    // Fits the page to a width: as many cells a row as fit, and the height they need.
    void fitWidth(int width);
    // The cell at a point of the widget; -1 where there is none.
    int cellAt(QPoint point) const;
    QRect cellRect(int index) const;

signals:
    // The pointer came onto another character's cell.
    void pointed(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    int columns() const;

    QStringList m_characters;
    int m_cell = 41;
    int m_pointed = -1;
};
