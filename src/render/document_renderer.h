#pragma once

#include "model/diagram/default_labels.h"
#include "model/diagram/document.h"
#include "render/qt_text_measurer.h"

#include <QPainter>
#include <QRect>

namespace velbrant {

// Draws a laid-out document (frame, header, diagram) onto a painter whose
// coordinates are model units. Screen, print, picture copy and export all
// draw through here. `visible` is the area (model units) that needs
// painting; elements outside it are skipped. Only the screen shows the
// selection.
enum class Marks { None, Selection };
void renderDocument(QPainter& painter, const Document& document, QtTextMeasurer& measurer,
                    const DefaultLabels& labels, const QRect& visible, Marks marks = Marks::None,
                    const DrawStyle& style = {});

// Draws the shapes of the document that begin within `strip` (model units),
// whole, also where they reach below it: strips drawn one after another onto
// one surface give the picture with every shape drawn once.
void renderDocumentStrip(QPainter& painter, const Document& document, QtTextMeasurer& measurer,
                         const DefaultLabels& labels, const QRect& strip,
                         const DrawStyle& style = {});

// The area a picture of the document covers: the frame with its outline,
// and the comment notes when the style shows them.
QRect pictureArea(const Document& document);
QRect pictureArea(const Document& document, const DrawStyle& style);

} // namespace velbrant
