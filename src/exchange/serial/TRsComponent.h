#pragma once
#include <QString>

namespace serial {

// Base component: a name and the load life cycle. The owner calls Loaded
// once it has finished setting the component up.
class TRsComponent {
public:
    virtual ~TRsComponent() = default;

    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    virtual void Loaded() {}

protected:
    bool Destroying() const { return destroying_; }
    void BeginDestroy() { destroying_ = true; }

private:
    QString name_;
    bool destroying_ = false;
};

} // namespace serial
