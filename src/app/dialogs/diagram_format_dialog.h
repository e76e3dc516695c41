#pragma once

#include "app/dialogs/dialog_parts.h"
#include "model/diagram/document.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace velbrant {

class StorableTextEdit;

// "Struktogramm-Format festlegen": title, comment and their fonts, the
// frame's position on the page or its centring, the scale and the frame's
// thickness. Takes a document's format in and hands one out on OK; a
// position field is disabled while its centring is checked, and the old
// position is kept then. Keeps the page shown last.
class DiagramFormatDialog : public QDialog {
    Q_OBJECT

public:
    explicit DiagramFormatDialog(QWidget* parent = nullptr);

    // The format with its title and comment as drawn (UTF-8).
    void setFormat(const DiagramFormat& format, const std::string& title,
                   const std::vector<std::string>& comment);
    // Opened from the diagram's title, the dialog shows its "Titel" page.
    void showTitlePage();
    // Title and comment in their Windows-1252 form; as typed, any character.
    DiagramFormat format() const;
    std::string typedTitle() const;
    std::vector<std::string> typedComment() const;
    // Confirms only numbers the fields take.
    void accept() override;

signals:
    void helpRequested(const QString& keyword);

private:
    QWidget* titlePage();
    QWidget* commentPage();
    QWidget* positionPage();
    QWidget* otherPage();
    void chooseFont(ElementFont& font, QWidget& field);

    QTabWidget* m_pages;
    QLineEdit* m_title = nullptr;
    StorableTextEdit* m_comment = nullptr;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QCheckBox* m_centerHorz = nullptr;
    QCheckBox* m_centerVert = nullptr;
    QLineEdit* m_scale = nullptr;
    QLineEdit* m_thickness = nullptr;
    NumberFields m_numbers{this};
    DiagramFormat m_format;
};

} // namespace velbrant
