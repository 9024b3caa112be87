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
        : SoftSegmentedControl(parent), options_(std::move(options)), selection_(std::move(selection))
    {
        setSegments(static_cast<int>(options_.size()), [this, label = std::move(label)](int index, bool isSelected) {
            return label(options_[index], isSelected);
        });
        setSelectedIndex(static_cast<int>(options_.indexOf(selection_)));
        connect(this, &SoftSegmentedControl::segmentClicked, this, [this](int index) {
            selection_ = options_[index];
            if (onSelect)
                onSelect(selection_);
        });
    }

    const QList<Option>& options() const { return options_; }
    const Option& selection() const { return selection_; }

    // Shows a selection made elsewhere; does not call onSelect.
    void setSelection(Option selection)
    {
        selection_ = std::move(selection);
        setSelectedIndex(static_cast<int>(options_.indexOf(selection_)));
    }

    // Called with the clicked option, also when it already was the selection.
    std::function<void(const Option&)> onSelect;

private:
    QList<Option> options_;
    Option selection_;
};
