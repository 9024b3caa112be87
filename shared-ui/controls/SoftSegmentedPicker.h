// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/controls/SoftSegmentedControl.h"

#include <QList>

#include <functional>
#include <utility>

// A soft segmented control over a list of distinct option values, such as the
// cases of an option enum. The selection is compared by equality; a selection
// that is not among the options shows no segment as selected.
template <typename Option>
class SoftSegmentedPicker : public SoftSegmentedControl {
public:
    using Label = std::function<QString(const Option& option, bool isSelected)>;

    SoftSegmentedPicker(QList<Option> options, Option selection, Label label, QWidget* parent = nullptr)
        : SoftSegmentedControl(parent)
        , m_options(std::move(options))
        , m_selection(std::move(selection))
    {
        setSegments(static_cast<int>(m_options.size()), [this, label = std::move(label)](int index, bool isSelected) {
            return label(m_options[index], isSelected);
        });
        setSelectedIndex(static_cast<int>(m_options.indexOf(m_selection)));
        connect(this, &SoftSegmentedControl::segmentClicked, this, [this](int index) {
            m_selection = m_options[index];
            if (m_onSelect)
                m_onSelect(m_selection);
        });
    }

    const QList<Option>& options() const { return m_options; }
    const Option& selection() const { return m_selection; }

    // Shows a selection made elsewhere; does not call the select closure.
    void setSelection(Option selection)
    {
        m_selection = std::move(selection);
        setSelectedIndex(static_cast<int>(m_options.indexOf(m_selection)));
    }

    // Called with the clicked option, also when it already was the selection.
    void setOnSelect(std::function<void(const Option&)> onSelect) { m_onSelect = std::move(onSelect); }

private:
    std::function<void(const Option&)> m_onSelect;
    QList<Option> m_options;
    Option m_selection;
};
