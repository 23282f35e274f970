#include "data/PastaDados.h"

#include "base/Falha.h"
#include "base/Relogio.h"
#include "data/ArquivoTexto.h"

#include <QDir>
#include <QFileInfo>

PastaDados::PastaDados(QString p, const Relogio& r) : pasta(std::move(p)), relogio(r) {}

QString PastaDados::Caminho(const QString& nome) const {
    return QFileInfo(nome).isAbsolute() ? nome : QDir(pasta).filePath(nome);
}

bool PastaDados::Existe(const QString& nome) const {
    return QFileInfo::exists(Caminho(nome));
}

QStringList PastaDados::LeLinhas(const QString& nome) const {
    return ArquivoTexto::LeLinhas(Caminho(nome));
}

void PastaDados::GravaLinhas(const QString& nome, const QStringList& linhas) const {
    ArquivoTexto::GravaLinhas(Caminho(nome), linhas, AbreArquivo);
}

Data PastaDados::ConverteData(const QString& linha, const QString& nome) const {
    const auto d = Data::DeTexto(linha, relogio.Hoje().ParaQDate().year());
    if (!d)
        throw Falha(QStringLiteral("\"%1\" não é uma data válida (arquivo %2)").arg(linha, nome));
    return *d;
}

int PastaDados::ConverteInteiro(const QString& linha, const QString& nome) const {
    bool ok = false;
    const int n = linha.trimmed().toInt(&ok);
    if (!ok)
        throw Falha(
            QStringLiteral("\"%1\" não é um número inteiro válido (arquivo %2)").arg(linha, nome));
    return n;
}

Niveis PastaDados::LeNiveis() const {
    const QString nome = QStringLiteral("Niveis.Txt");
    bool utf8 = false;
    const QStringList linhas = ArquivoTexto::LeLinhas(Caminho(nome), utf8);
    if (linhas.size() < 9)
        throw Falha(QStringLiteral("O arquivo %1 deve ter 9 linhas e tem %2.")
                        .arg(nome)
                        .arg(linhas.size()));
    Niveis n;
    for (int i = 0; i < 9; ++i)
        n.Linhas[i] = linhas[i];
    if (utf8)
        n.Aviso = QStringLiteral("O arquivo %1 está gravado em UTF-8, e não em ISO-8859-1 como "
                                 "os demais arquivos da pasta de dados; ele foi lido como UTF-8.\n"
                                 "Confira os textos da capa (item 13 da guia /Manutenção/) e "
                                 "grave-os de novo.")
                      .arg(nome);
    return n;
}

void PastaDados::GravaNiveis(const Niveis& n) const {
    GravaLinhas(QStringLiteral("Niveis.Txt"), QStringList(n.Linhas.begin(), n.Linhas.end()));
}

Data PastaDados::LeUltimaEscala() const {
    const QString nome = QStringLiteral("Escala.Txt");
    const QStringList linhas = LeLinhas(nome);
    return ConverteData(linhas.value(0).left(10), nome);
}

void PastaDados::GravaUltimaEscala(Data dia) const {
    GravaLinhas(QStringLiteral("Escala.Txt"), {dia.Texto()});
}

std::pair<Data, Data> PastaDados::LeDataIniFim() const {
    const QString nome = QStringLiteral("DataIniFim.Txt");
    const QStringList linhas = LeLinhas(nome);
    return {ConverteData(linhas.value(0), nome), ConverteData(linhas.value(1), nome)};
}

void PastaDados::GravaDataIniFim(Data inicio, Data fim) const {
    GravaLinhas(QStringLiteral("DataIniFim.Txt"), {inicio.Texto(), fim.Texto()});
}

int PastaDados::LeEntradas() const {
    const QString nome = QStringLiteral("Entradas.Txt");
    return ConverteInteiro(LeLinhas(nome).value(0), nome);
}

void PastaDados::GravaEntradas(int n) const {
    GravaLinhas(QStringLiteral("Entradas.Txt"), {QString::number(n)});
}

void PastaDados::CopiaArquivo(const QString& origem, const QString& destino) const {
    ArquivoTexto::Copia(Caminho(origem), Caminho(destino), AbreArquivo);
}

const QStringList& PastaDados::ArquivosIni() {
    static const QStringList nomes{QStringLiteral("Entradas.Txt"), QStringLiteral("Entradas2.Txt"),
                                   QStringLiteral("Escala.Txt"),   QStringLiteral("SemExped.Txt"),
                                   QStringLiteral("Manual.Txt"),   QStringLiteral("DataIniFim.Txt"),
                                   QStringLiteral("Entradas.Doc"), QStringLiteral("UltiEqual.Txt"),
                                   QStringLiteral("ArqCores.Txt")};
    return nomes;
}

void PastaDados::CopiaArquivosIni(const QString& prefixoOrigem,
                                  const QString& prefixoDestino) const {
    for (const QString& nome : ArquivosIni())
        CopiaArquivo(prefixoOrigem + nome, prefixoDestino + nome);
}

ModelosPstGrd PastaDados::LeModelosPstGrd() const {
    const QStringList linhas = LeLinhas(QStringLiteral("ModelosPstGrd.Txt"));
    ModelosPstGrd m;
    for (int c = 0; c < ModelosPstGrd::Colunas; ++c)
        for (int r = 0; r < ModelosPstGrd::Linhas; ++r)
            m.Cells[c][r] = linhas.value(ModelosPstGrd::Linhas * c + r);
    return m;
}

void PastaDados::GravaModelosPstGrd(const ModelosPstGrd& m) const {
    QStringList linhas;
    for (const auto& coluna : m.Cells)
        for (const QString& celula : coluna)
            linhas << celula;
    GravaLinhas(QStringLiteral("ModelosPstGrd.Txt"), linhas);
}

void PastaDados::GeraPstGrd() const {
    const QStringList modelos = LeLinhas(QStringLiteral("ModelosPstGrd.Txt"));
    QStringList postos;
    for (int i = 1; i < modelos.size() && postos.size() < 24 && !modelos[i].isEmpty(); ++i)
        postos << modelos[i];
    GravaLinhas(QStringLiteral("PstGrd.Txt"), postos);
}

QStringList PastaDados::LePstGrd() const {
    return LeLinhas(QStringLiteral("PstGrd.Txt"));
}
