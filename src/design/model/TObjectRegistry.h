#pragma once
// The design-object kinds a card file may name, by class name.  The object
// filer creates each record's object through it; nothing else needs to know
// the concrete classes.
//
// The shape and line kinds ("TGLabelShapes", "TBCShapes", "TGLineShape") are
// registered when the registry is made.  Every further kind is added with one
// call, typically from the kind's own subsystem at start-up:
//
//     TObjectRegistry::Global().Register<TGPLabel>();
//
// Register<T>() asks a default T for its ClassName(), so the name a kind
// writes and the name it is found by cannot drift apart.  Lookups ignore the
// letter case of the class name, as the program always has; a registration
// under a name that exists replaces the old factory.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace cw::model {

class TGGraphicControl;

class TObjectRegistry
{
public:
    using Factory = std::function<std::unique_ptr<TGGraphicControl>()>;

    // A registry holding the shape and line kinds.
    TObjectRegistry();
    // The registry the program's filers use unless given another.
    static TObjectRegistry &Global();

    void Register(const QString &className, Factory factory);
    template <class T> void Register()
    {
        Register(T().ClassName(), [] { return std::unique_ptr<TGGraphicControl>(std::make_unique<T>()); });
    }

    bool Contains(const QString &className) const { return find(className) != nullptr; }
    // A new object of the named kind, or nullptr when no kind has that name.
    std::unique_ptr<TGGraphicControl> Create(const QString &className) const;
    // The registered names in the order they were first registered.
    QStringList ClassNames() const;

private:
    const Factory *find(const QString &className) const;

    std::vector<std::pair<QString, Factory>> m_kinds;
};

} // namespace cw::model
