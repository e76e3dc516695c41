#pragma once

#include "app/dialogs/dialog_parts.h"
#include "render/document_export.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace velbrant {

// What "Exportieren" is to write.
struct ExportChoice {
    QString path;
    // For PNG pictures.
    int dotsPerInch = 300;
    // For pictures: another scale than the document's, in percent.
    std::optional<int> scalePercent;
    // For pictures: a worksheet, its solution, black and white.
    Sheet sheet;
};

// "Exportieren": the file to write and its format (PNG, SVG, PDF,
// Structorizer, a laid-out ".STR" copy), the resolution and scale of
// pictures. A typed extension chooses the format; choosing a format puts
// its extension on the name. Takes a preset in and hands the choice out;
// keeps resolution and scale for the next export.
class ExportDialog : public QDialog {
    Q_OBJECT

public:
    explicit ExportDialog(QWidget* parent = nullptr);

    // The file first offered: the document's directory and name with the
    // format chosen last.
    void preset(const QString& documentPath);
    ExportChoice choice() const;
    // Confirms only numbers the fields take and a file name.
    void accept() override;

signals:
    void helpRequested(const QString& keyword);

private:
    void formatChosen(int index);
    void nameTyped(const QString& path);
    void browse();
    void enableFields();

    QLineEdit* m_path;
    QComboBox* m_format;
    QLineEdit* m_dpi;
    QCheckBox* m_ownScale;
    QLineEdit* m_scale;
    QComboBox* m_worksheet;
    QCheckBox* m_solution;
    QCheckBox* m_blackAndWhite;
    NumberFields m_numbers{this};
};

} // namespace velbrant
