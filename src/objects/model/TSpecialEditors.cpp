#include "objects/model/TSpecialEditors.h"

namespace cw::model {

namespace {
TSpecialEditors *g_editors = nullptr;
}

TSpecialEditors *TSpecialEditors::Current()
{
    return g_editors;
}

void TSpecialEditors::Install(TSpecialEditors *editors)
{
    g_editors = editors;
}

} // namespace cw::model
