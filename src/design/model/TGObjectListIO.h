#pragma once
// Reading and writing object lists (the card file, the clipboard file).  The
// object filer implements it and installs itself with Install(); the design
// surface calls it for Save, Open, Cut, Copy and Paste.

#include "design/model/TGGraphicControl.h"

#include <QString>
#include <memory>
#include <vector>

namespace cw::model {

class TGObjectListIO
{
public:
    virtual ~TGObjectListIO() = default;

    // Writes the objects, in order, as one object list file.  Throws
    // cw::Exception when the file cannot be written (the old file stays).
    virtual void WriteObjects(const std::vector<const TGGraphicControl *> &objects, const QString &path) = 0;
    // Reads an object list file: each object is created, its properties set
    // while loading, and Loaded() called after the whole list.  A missing file
    // gives an empty list.  Throws cw::Exception on a damaged file.
    virtual std::vector<std::unique_ptr<TGGraphicControl>> ReadObjects(const QString &path) = 0;

    // The installed service, or nullptr before the filer is installed.
    static TGObjectListIO *Current() { return s_current; }
    static void Install(TGObjectListIO *io) { s_current = io; }

private:
    static inline TGObjectListIO *s_current = nullptr;
};

} // namespace cw::model
