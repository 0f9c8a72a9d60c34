#pragma once

#include "core/error/vornik_error.h"

#include <QString>

namespace vornik::test {

// Runs the step and returns the message of the VornikError it threw; empty when it threw none.
template<typename Step>
QString ErrorOf(Step step)
{
    try {
        step();
    } catch (const VornikError &error) {
        return error.message();
    }
    return QString();
}

} // namespace vornik::test
