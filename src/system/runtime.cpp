#include "system/runtime.h"

namespace kg {

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QStringLiteral("%1: %2").arg(number).arg(m_description).toUtf8())
{
}

ErrObject& Err()
{
    static ErrObject err;
    return err;
}

bool Trap(const std::function<void()>& body, const std::function<void()>& onError)
{
    try {
        body();
        return true;
    } catch (const RuntimeError& e) {
        Err().Number = e.number();
        Err().Description = e.description();
    } catch (const std::bad_alloc&) {
        Err().Number = 7;
        Err().Description = QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        Err().Number = rterr::Internal;
        Err().Description = QString::fromUtf8(e.what());
    }
    if (onError)
        onError();
    Err().Clear();
    return false;
}

int IgnoreErrors(std::initializer_list<std::function<void()>> steps)
{
    int failed = 0;
    for (const auto& step : steps) {
        Err().Clear();
        if (!Trap(step, nullptr))
            ++failed;
    }
    Err().Clear();
    return failed;
}

void VbList::redimPreserve(int n)
{
    if (n < 0)
        throw RuntimeError(rterr::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    while (m_items.size() > n)
        m_items.removeLast();
    m_items.reserve(n);
    while (m_items.size() < n)
        m_items.append(QString());
}

QString& VbList::operator()(int index)
{
    if (index < 1 || index > m_items.size())
        throw RuntimeError(rterr::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return m_items[index - 1];
}

const QString& VbList::operator()(int index) const
{
    if (index < 1 || index > m_items.size())
        throw RuntimeError(rterr::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return m_items[index - 1];
}

} // namespace kg
