#pragma once

#include "base/Data.h"
#include "data/DMGeral.h"

#include <QStringList>
#include <optional>

struct Sistema;

// The change log as the operator reads it: when (dd/mm/aaaa hh:mm:ss), the
// operation, its arguments and the rows changed.
QStringList CamposDoRegistro(const DMGeral::EntradaRegistro& e);
// The same on one line, the fields joined by " | ".
QString LinhaDoRegistro(const DMGeral::EntradaRegistro& e);
// The entries of the period typed as dd/mm/aa (an empty end does not
// restrict); refuses a date that is not one, or an end before the start.
QList<DMGeral::EntradaRegistro> RegistroDoPeriodo(Sistema& s, const QString& de,
                                                  const QString& ate);
