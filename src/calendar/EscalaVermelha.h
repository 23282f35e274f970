#pragma once

#include "base/Data.h"

#include <QString>
#include <QStringList>
#include <optional>

struct Sistema;

// The state of the red-day screen (FSemExped) between its activation and its
// closing.
struct EstadoSemExped {
    // "S" after an automatic extension, until a manual inclusion; "Sair" then asks.
    QString ExtensaoPendente = QStringLiteral("N");
    // Line 2 of DataIniFim.Txt as read at activation: the extension starts the day after.
    std::optional<Data> FimAnterior;
};

// The listing shows at most this many red days.
inline constexpr int MaxListagemSemExped = 100;

// Activation: clears the pending flag and reads the period end from
// DataIniFim.Txt; returns the text of line 2 (shown in "Dia Final").
QString AtivaSemExped(Sistema& s, EstadoSemExped& e);

// "Incluir Automático": extends the period from the day after the previous end
// to textoFim ("Dia Final") and lists its Saturdays and Sundays. Red days not
// later than 30 days before textoIni ("Dia Inicial", the last roster date) are
// dropped. A text that is not a date throws "<text> >>> Data inválida"
// (textoFim first); an extension that the 366 entries cannot hold is refused
// before anything is written.
void IncluiAutomatico(Sistema& s, EstadoSemExped& e, const QString& textoIni,
                      const QString& textoFim);

// "Incluir": adds the dates typed in the cells. A cell that is not a date is
// announced and skipped; with no date at all the operator is told to type them
// first and false is returned. Otherwise SemExped.Txt is rewritten without
// duplicates and without the dates earlier than 30 days before textoUltima,
// the pending flag is cleared and true is returned.
bool IncluiManual(Sistema& s, EstadoSemExped& e, const QStringList& celulas,
                  const QString& textoUltima);

// "Incluir Feriados Nacionais": adds the national holidays from the day after
// textoUltima to the end of the roster period (line 2 of DataIniFim.Txt) that
// the list does not hold yet; when the period has optional days not yet
// listed the operator is asked whether to add them too. Nothing to add is
// announced and gives false; otherwise SemExped.Txt is rewritten as by the
// manual inclusion, the dates added are announced and true is returned. The
// pending-extension flag is left as it was: local holidays may still be due.
bool IncluiFeriadosNacionais(Sistema& s, const QString& textoUltima);

// "Excluir": removes the chosen dates. Nothing chosen is announced and gives
// false. Otherwise SemExped.Txt keeps the other dates not earlier than 30 days
// before textoUltima and true is returned.
bool ExcluiSemExped(Sistema& s, const QStringList& escolhidas, const QString& textoUltima);

// Reloads VetSemExped and returns its first dates (at most 100), in order.
QStringList ListagemSemExped(Sistema& s);

// "Sair": true when the screen may close. While an extension is pending the
// operator is asked; Yes keeps the screen open so the holidays can be typed.
bool PodeSairSemExped(Sistema& s, const EstadoSemExped& e, const QString& textoIni,
                      const QString& textoFim);
