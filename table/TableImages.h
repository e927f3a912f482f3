#pragma once
// CTableImages: the eight 21 x 21 tree images of the table's column 0, cut from one strip
// bitmap compiled into the program, white made transparent.

#include <QImage>
#include <QList>

class CTableImages {
public:
    enum Index {
        CollapsedSeries = 0,     // boxed plus sign
        ExpandedSeries = 1,      // boxed minus sign with a line down
        VisibleMeasurement = 2,  // tree branch to a filled box
        HiddenMeasurement = 3,   // tree branch to an empty box
        VisibleLast = 4,         // tree corner to a filled box
        HiddenLast = 5,          // tree corner to an empty box
        StatisticsBranch = 6,    // tree branch line
        Blank = 7,
    };
    static constexpr int kCount = 8;
    static constexpr int kSize = 21;

    CTableImages();

    const QList<QImage>& Images() const { return images; }
    const QImage& Image(int index) const { return images.at(index); }

private:
    QList<QImage> images;
};
