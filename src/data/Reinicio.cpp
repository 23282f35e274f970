#include "data/Reinicio.h"

#include "base/Dialogos.h"
#include "base/Falha.h"
#include "data/ArquivoTexto.h"
#include "data/DMGeral.h"
#include "data/PastaDados.h"

#include <algorithm>

namespace {

// Writes the templates of the last roster date and of the roster period (the
// day before primeiro) and puts every template in place of its working file,
// all inside trans. Every template is read before anything is recorded, so a
// missing one refuses the whole operation.
void CopiaModelos(DMGeral::Transacao& trans, const PastaDados& pasta, Data primeiro,
                  bool entradasTres) {
    const QString ontem = (primeiro - 1).Texto();
    const QStringList escala{ontem};
    const QStringList periodo{ontem, ontem};
    QList<std::pair<QString, QByteArray>> arquivos{
        {QStringLiteral("IniEscala.Txt"), ArquivoTexto::Codifica(escala)},
        {QStringLiteral("IniDataIniFim.Txt"), ArquivoTexto::Codifica(periodo)}};
    for (const QString& nome : PastaDados::ArquivosIni()) {
        const QString modelo = QStringLiteral("Ini") + nome;
        const auto escrito = std::find_if(arquivos.cbegin(), arquivos.cend(),
                                          [&](const auto& a) { return a.first == modelo; });
        QByteArray bytes = escrito != arquivos.cend()
                               ? escrito->second
                               : ArquivoTexto::LeBytes(pasta.Caminho(modelo));
        if (entradasTres && nome == QLatin1String("Entradas.Txt"))
            bytes = ArquivoTexto::Codifica({QStringLiteral("3")});
        arquivos.append({nome, bytes});
    }
    for (const auto& [nome, bytes] : arquivos)
        trans.GravaBytes(nome, bytes);
}

} // namespace

namespace Reinicio {

Data LePrimeiroDia(const QString& texto, int anoAtual) {
    const auto dia = Data::DeTexto(texto, anoAtual);
    if (!dia)
        throw Recusa(texto + QStringLiteral(" >>> Data inválida"));
    return *dia;
}

void FixaPrimeiroDia(DMGeral& dm, const PastaDados& pasta, Dialogos& dialogos, Data primeiro,
                     const std::function<void()>& fechaTela) {
    {
        DMGeral::Transacao trans(dm, Banco::Principal);
        trans.Registra(QStringLiteral("Primeiro dia de escala"), primeiro.Texto());
        CopiaModelos(trans, pasta, primeiro, false);
        trans.Confirma();
    }
    dm.Esquece();
    if (fechaTela)
        fechaTela();
    dialogos.Aviso(QStringLiteral("A aplicação será encerrada. Reinicie logo em seguida\r\r      "
                                  "Ao retornar, execute o próximo item:  \r\r6. Informar o "
                                  "período de escalação e incluir feriados"));
}

void ReiniciaSistema(DMGeral& dm, const PastaDados& pasta, Dialogos& dialogos, Data primeiro,
                     Opcoes opcoes) {
    {
        DMGeral::Transacao trans(dm, Banco::Principal);
        trans.Registra(
            QStringLiteral("Reiniciar o sistema"),
            QStringLiteral("primeiro dia %1; cadastro %2; histórico %3")
                .arg(primeiro.Texto(),
                     opcoes.EliminaCadastro ? QStringLiteral("eliminado")
                                            : QStringLiteral("mantido"),
                     opcoes.EliminaHistorico
                         ? QStringLiteral("eliminado")
                         : QStringLiteral("mantido até %1").arg((primeiro - 1).Texto())));
        if (opcoes.EliminaCadastro) {
            for (const QString& tabela :
                 {QStringLiteral("Hist"), QStringLiteral("Basico"), QStringLiteral("Sv")})
                dm.EsvaziaTabela(tabela);
            for (int n = 1; n <= 30; ++n)
                dm.EsvaziaTabela(QStringLiteral("Sv%1").arg(n));
        } else {
            dm.ReiniciaBasico();
            for (int n = 1; n <= 30; ++n)
                dm.ReiniciaRodizio(n);
        }
        if (opcoes.EliminaHistorico)
            dm.EsvaziaTabela(QStringLiteral("Hist"));
        else
            dm.ApagaHistDepoisDe(primeiro - 1);
        // Keeping the register, the next three starts warn that the rest
        // balances need recording again.
        CopiaModelos(trans, pasta, primeiro, !opcoes.EliminaCadastro);
        trans.Confirma();
    }
    dm.Esquece();
    dialogos.Aviso(QStringLiteral("A aplicação será encerrada. Reinicie logo em seguida"));
}

} // namespace Reinicio
