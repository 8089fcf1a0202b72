// The reference tree's list control: a read-only tree that draws each node's text itself, cut at
// a separator into columns under an optional header.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QTreeWidget>

class TreeList : public QTreeWidget
{
    Q_OBJECT
public:
    struct Column
    {
        QString header;
        Qt::Alignment alignment = Qt::AlignLeft;
        Qt::Alignment headerAlignment = Qt::AlignLeft;
        int headerImage = -1; // index into images(); -1 for none
        bool image = false;   // draw the node's icon in this column
        int width = 50;
        QFont font;
    };

    struct HeaderSettings
    {
        bool allowResize = true;
        QColor color;  // invalid: the style's button colour
        bool flat = false;
        QFont font;
        int height = 18;
        bool visible = true;
    };

    explicit TreeList(QWidget *parent = nullptr);

    const QList<Column> &columns() const { return m_columns; }
    void setColumns(const QList<Column> &columns);

    // Silver lines at the right end of every column but the last; the gap kept free after each
    // column's text is 4 pixels with them and 2 without.
    bool columnLines() const { return m_columnLines; }
    void setColumnLines(bool on);
    int gap() const { return m_columnLines ? 4 : 2; }
    // Where the column lines stand, in viewport coordinates.
    QList<int> columnLinePositions() const;

    QString separator() const { return m_separator; }
    void setSeparator(const QString &separator);

    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);

    const HeaderSettings &headerSettings() const { return m_headerSettings; }
    void setHeaderSettings(const HeaderSettings &settings);

    // The images the columns' headers name by index.
    const QList<QIcon> &images() const { return m_images; }
    void setImages(const QList<QIcon> &images);

    static QString version() { return QStringLiteral("1.0.0.0"); }

signals:
    // The header section under a click: -1 left of the first one, the last one right of all.
    void headerClicked(int section);
    void headerRightClicked(int section);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateColumns();
    void applyHeaderSettings();
    void sectionResized(int section, int oldWidth, int newWidth);
    int minimumFirstSection() const;

    QList<Column> m_columns;
    HeaderSettings m_headerSettings;
    QList<QIcon> m_images;
    QString m_separator = QStringLiteral(";");
    int m_itemHeight = 16;
    bool m_columnLines = true;
    bool m_updatingColumns = false; // programmatic widths are not the user's resizing
};
