#pragma once
// The subcommands of cardwright-cli.  Each returns the exit code (0 success,
// 1 failure) and writes its result to `out`; a failure is one line on `err`.
//
//   dump FILE                 the objects of a card file (TObjectDump)
//   dump --raw FILE           the tagged-value tree of any object stream
//   roundtrip IN OUT          read a card file and write it back
//   render IN OUT.(png|bmp|jpg|svg) [--zoom F | --dpi N] [--border]
//                             the card as picture export draws it, at the card
//                             size of the layout in the settings file; --dpi
//                             draws it at N dots per inch (96 is the screen);
//                             an .svg name writes the drawing as SVG (TSvgExport)
//   picture-info FILE         "kind: bitmap|metafile|icon", "width: N",
//                             "height: N" (pixels at 96 per inch)
//   sheet IN OUT.pdf [...]    the sheet of cards as the designer prints it,
//                             into a PDF file (TSheetCommand)
//   card IN OUT.pdf [--bleed L] [--crop-marks]
//                             the single card for a print shop: a PDF page
//                             with the card as its trim box, a bleed of L
//                             (default 3mm; "mm" or "in") and crop marks
//                             when asked for (TPrintShopPdf)
//
// A leading "--folder DIR" makes DIR the program folder (where CWR.INI is
// read from) instead of the folder of the program.

#include <QStringList>
#include <QTextStream>

namespace cw::cli {

class TCliCommands
{
public:
    TCliCommands(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    // `args` without the program name.
    int Run(QStringList args);

    int Dump(const QString &path);
    int DumpRaw(const QString &path);
    int Roundtrip(const QString &in, const QString &out);
    // `dpi` above 0: drawn at that resolution (zoom dpi / 96), the border as
    // wide as one screen pixel there; 0: at `zoom`, the border 1 pixel.
    int Render(const QString &in, const QString &out, float zoom, bool border, int dpi = 0);
    int PictureInfo(const QString &path);
    // `args`: everything after "sheet".
    int Sheet(const QStringList &args);
    // `args`: everything after "card".
    int Card(const QStringList &args);

    static QString Usage();

private:
    int fail(const QString &message);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace cw::cli
