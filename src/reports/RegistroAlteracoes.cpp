#include "reports/RegistroAlteracoes.h"

#include "base/Falha.h"
#include "model/Sistema.h"

QStringList CamposDoRegistro(const DMGeral::EntradaRegistro& e) {
    return {e.quando.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")), e.operacao, e.argumentos,
            e.alteracoes};
}

QString LinhaDoRegistro(const DMGeral::EntradaRegistro& e) {
    return CamposDoRegistro(e).join(QStringLiteral(" | "));
}

QList<DMGeral::EntradaRegistro> RegistroDoPeriodo(Sistema& s, const QString& de,
                                                  const QString& ate) {
    const auto le = [&](const QString& texto) -> std::optional<Data> {
        if (texto.trimmed().isEmpty())
            return std::nullopt;
        const auto dia = s.LeData(texto.trimmed());
        if (!dia)
            throw Recusa(texto + QStringLiteral(" >>> Data inválida"));
        return dia;
    };
    const auto inicio = le(de), fim = le(ate);
    if (inicio && fim && *fim < *inicio)
        throw Recusa(QStringLiteral("O fim do período (%1) é anterior ao início (%2).")
                         .arg(fim->Texto(), inicio->Texto()));
    return s.dm.ConsultaRegistro(inicio, fim);
}
