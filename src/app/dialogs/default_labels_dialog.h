#pragma once

#include "model/diagram/default_labels.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;

namespace velbrant {

// "Standardbeschriftung der Elemente": the default labels of new elements,
// the branch labels of conditionals, the prefix of new documents' names and
// the arrow option. Takes a label set in and hands one out on OK.
class DefaultLabelsDialog : public QDialog {
    Q_OBJECT

public:
    explicit DefaultLabelsDialog(QWidget* parent = nullptr);

    void setLabels(const DefaultLabels& labels);
    DefaultLabels labels() const;

    // Confirms only a title prefix without blanks.
    void accept() override;

private:
    bool isPrefixValid() const;
    void refusePrefix();

    std::array<QLineEdit*, 10> m_fields{};
    QCheckBox* m_arrow;
};

} // namespace velbrant
