// A label whose text wraps, which keeps its heights for the last few widths it was asked about.
#pragma once

#include <QLabel>

#include <array>

// Qt lays a label's text out afresh for every height-for-width question, and a window's layout asks each
// label several times, at more than one width, whenever anything in it changes; this label answers again from
// what it found while its text, font, style and margins are those it measured with. Its indent, margin and
// text format are the form's and never change.
class WrappedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Measured
    {
        int width = -1;
        int height = 0;
    };
    mutable QString m_text;
    mutable std::array<Measured, 4> m_measured; // the most recently asked first
};
