#pragma once

#include <QString>
#include <array>

struct Sistema;

// The cover texts of Niveis.Txt the cover screen edits: Edit1..Edit5 are lines
// 1 to 5, Edit6 line 9.
using TextosCapa = std::array<QString, 6>;

namespace Capa {

inline const QString OrganizacaoPadrao = QStringLiteral("Devedo Vuredod");

// Reads Niveis.Txt again into the held cover values; returns the edited lines.
TextosCapa Le(Sistema& s);
// The motto after Linha 1 is left: kept when the organisation is the default
// one, otherwise one blank.
QString LemaAposLinha1(const QString& linha1, const QString& lema);
// Rewrites Niveis.Txt: the six texts, line 6 the backup folder in force and
// lines 7 and 8 as held; the held cover values follow.
void Grava(Sistema& s, const TextosCapa& textos);
// The pictures of the data folder the cover may show.
QStringList FotosDaPasta(const Sistema& s);
// The file patterns of a cover picture.
const QStringList& PadroesFoto();
// Copies a picture byte for byte to ANovaFoto (with the picture's extension)
// in the data folder, replacing an earlier copy; returns its full path. A copy
// that fails throws Falha and leaves an earlier copy as it was.
QString CopiaFoto(const Sistema& s, const QString& origem);

} // namespace Capa
