#pragma once
// A temporary program folder for one test: CWR.INI, Saved/, BG/ … are made
// there instead of beside the test binary, and removed afterwards.

#include "app/model/ProgramFolder.h"

#include <QTemporaryDir>

namespace cw::test {

class TestFolder
{
public:
    TestFolder() { model::ProgramFolder::setOverride(m_dir.path()); }
    ~TestFolder() { model::ProgramFolder::setOverride(QString()); }
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString &name) const { return path() + name; }

private:
    QTemporaryDir m_dir;
};

} // namespace cw::test
