#include "core/error/vornik_error.h"

namespace vornik {

VornikError::VornikError(QString message)
    : m_message(std::move(message)), m_utf8(m_message.toUtf8())
{
}

} // namespace vornik
