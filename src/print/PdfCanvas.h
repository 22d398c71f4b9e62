#pragma once

#include <memory>

#include <QString>

#include "PainterCanvas.h"

class QIODevice;
class QPdfWriter;

/// The PDF target: a Letter portrait document at 254 dots per inch, so that one unit is a tenth of a millimetre;
/// margins of 3 units, origin at the page corner, fonts embedded as subsets.
class PdfCanvas : public PainterCanvas
{
public:
    /// Writes into device (opened for writing by the caller); title goes into the document information.
    PdfCanvas(QIODevice* device, QString title);
    ~PdfCanvas() override;

    /// The PDF page in tenths of a millimetre.
    static PageGeometry Page();

    /// Throws TessarinError when the writer cannot start drawing.
    void beginDocument() override;
    void endDocument() override;
    void newPage() override;

private:
    QIODevice* m_device;
    QString m_title;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
};
