#include "Hcommon/Retranslate.h"

#include <QEvent>
#include <QWidget>

#include <vector>

namespace Hcommon {

namespace {

// One per owner, its child: runs the owner's setters on a language change.
class Retranslator : public QObject {
public:
    static constexpr const char *kName = "orvexRetranslator";
    explicit Retranslator(QWidget *owner) : QObject(owner)
    {
        setObjectName(QLatin1String(kName));
        owner->installEventFilter(this);
    }
    std::vector<std::function<void()>> setters;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == parent())
            for (const auto &apply : setters)
                apply();
        return false;
    }
};

} // namespace

void bindText(QWidget *owner, std::function<void()> apply)
{
    // Found by name: the class has no meta-object of its own to cast by.
    auto *r = static_cast<Retranslator *>(
        owner->findChild<QObject *>(QLatin1String(Retranslator::kName), Qt::FindDirectChildrenOnly));
    if (!r)
        r = new Retranslator(owner);
    apply();
    r->setters.push_back(std::move(apply));
}

} // namespace Hcommon
