// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <algorithm>
#include <vector>

// A contact sheet: labelled pictures stacked on a checkerboard, so that
// transparency and every variant show side by side in one PNG.
class GallerySheet {
public:
    explicit GallerySheet(QString title, int columns = 1)
        : m_title(std::move(title))
        , m_columns(std::max(columns, 1))
    {
    }

    void add(QString label, QImage picture);
    QImage render() const;

private:
    struct Entry {
        QString label;
        QImage picture;
    };
    QString m_title;
    int m_columns;
    std::vector<Entry> m_entries;
};
