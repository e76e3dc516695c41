#pragma once

#include "app/dialogs/dialog_parts.h"
#include "app/widgets/color_palette.h"
#include "model/diagram/element_format.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace velbrant {

// "Blöcke formatieren": alignment, line widths, font and fill colour of the
// selected elements. Takes the first selected element's format in and hands out
// the format to apply to all; an empty field or an unchecked alignment
// group means "leave unchanged". Keeps the page shown last.
class ElementFormatDialog : public QDialog {
    Q_OBJECT

public:
    explicit ElementFormatDialog(QWidget* parent = nullptr);

    void setFormat(const ElementFormat& format);
    ElementFormat format() const;
    // The fill chosen on the page "Farbe"; none to leave it as it is.
    std::optional<Fill> fill() const;
    // Confirms only numbers the fields take.
    void accept() override;

signals:
    void helpRequested(const QString& keyword);

protected:
    // A double click unchecks a checked alignment button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* alignmentPage();
    QWidget* linesPage();
    QWidget* fontPage();
    QWidget* colorPage();
    void chooseFont();

    QTabWidget* m_pages;
    QButtonGroup* m_horizontal;
    QButtonGroup* m_vertical;
    QLineEdit* m_border = nullptr;
    QLineEdit* m_inner = nullptr;
    QLineEdit* m_fontName = nullptr;
    QLineEdit* m_fontSize = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
    QCheckBox* m_underline = nullptr;
    QCheckBox* m_strikeOut = nullptr;
    QComboBox* m_color = nullptr;
    NumberFields m_numbers{this};
};

} // namespace velbrant
