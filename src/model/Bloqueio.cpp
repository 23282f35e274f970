#include "model/Bloqueio.h"

#include "base/Falha.h"
#include "model/Sistema.h"

#include <limits>

QString Bloqueio::Texto() const {
    if (achados.size() == 1)
        return achados.first();
    return QStringLiteral(":\n- ") + achados.join(QStringLiteral(";\n- "));
}

QString Bloqueio::Remedio() const {
    return !remedio.isEmpty() ? remedio
                              : QStringLiteral("Corrija a linha em Manutenção (item 12) ou "
                                               "recupere uma cópia de segurança (item 14)");
}

QString Bloqueio::Aviso() const {
    return QStringLiteral("A tabela %1 tem %2.\n%3; enquanto isso esta tabela não é regravada.")
        .arg(nome, Texto(), Remedio());
}

void Bloqueio::RecusaGravar() const {
    if (!Ativo())
        return;
    throw Recusa(QStringLiteral("A tabela %1 não foi gravada: ela tem %2.\nGravá-la agora perderia "
                                "o que está guardado. %3.")
                     .arg(nome, Texto(), Remedio()));
}

QString NomeParaOperador(Banco banco, const QString& tabela) {
    return banco == Banco::Backup ? tabela + QStringLiteral(" da cópia de segurança") : tabela;
}

void AvisaBloqueio(Sistema& s, const Bloqueio& b) {
    const QString& tabela = b.Tabela();
    if (!b.Ativo()) {
        s.DanosAvisados.remove(tabela);
        return;
    }
    QStringList& avisados = s.DanosAvisados[tabela];
    QStringList novos;
    for (const QString& achado : b.Achados())
        if (!avisados.contains(achado))
            novos << achado;
    avisados = b.Achados();
    if (novos.isEmpty())
        return;
    Bloqueio aviso;
    aviso.Inicia(tabela);
    for (const QString& achado : novos)
        aviso.Acrescenta(achado);
    s.dialogos.Aviso(aviso.Aviso());
}

int InteiroDaLinha(const DMGeral::Cursor& t, int indice, const QString& campo, int linha,
                   Bloqueio& b) {
    if (const auto n = t.InteiroValido(indice))
        return *n;
    const QString texto = t.Texto(indice);
    b.Acrescenta(QStringLiteral("na linha %1 o valor \"%2\", que não é um número inteiro de %3 a "
                                "%4 (%5)")
                     .arg(linha)
                     .arg(texto)
                     .arg(std::numeric_limits<int>::min())
                     .arg(std::numeric_limits<int>::max())
                     .arg(campo));
    bool ok = false;
    const qlonglong n = texto.trimmed().toLongLong(&ok);
    if (!ok)
        return 0;
    return n < 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
}

int SomaContador(long long valor, long long passo, const QString& campo, const QString& num,
                 int sv) {
    const long long soma = valor + passo;
    if (soma < std::numeric_limits<int>::min() || soma > std::numeric_limits<int>::max())
        throw Recusa(QStringLiteral("O contador %1 do militar %2 na escala Sv%3 está em %4 e não "
                                    "pode ir a %5: passaria do limite de %6 a %7.\nCorrija-o em "
                                    "Manutenção (item 12) ou iguale as escalas; nada foi "
                                    "gravado.")
                         .arg(campo, num)
                         .arg(sv)
                         .arg(valor)
                         .arg(soma)
                         .arg(std::numeric_limits<int>::min())
                         .arg(std::numeric_limits<int>::max()));
    return static_cast<int>(soma);
}
