#pragma once

#include "base/Data.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QSaveFile;
class Relogio;

// The rank-spelling models: 11 columns (0..10) by 25 rows (0..24) of texts.
struct ModelosPstGrd {
    static constexpr int Colunas = 11;
    static constexpr int Linhas = 25;
    std::array<std::array<QString, Linhas>, Colunas> Cells;
};

// The nine lines of Niveis.Txt: cover texts and backup folder.
struct Niveis {
    std::array<QString, 9> Linhas;
    const QString& Organizacao() const { return Linhas[0]; }
    QString Unidade() const { return Linhas[1] + '\n' + Linhas[2] + '\n' + Linhas[3]; }
    const QString& FotoCapa() const { return Linhas[4]; }
    const QString& PastaBackup() const { return Linhas[5]; }
    const QString& Lema() const { return Linhas[8]; }
    // What the operator should know about how the file was read (empty: nothing).
    QString Aviso;
};

// The small text files of the data folder, each read or rewritten whole. A
// missing file, or a line that is not the date or number it must be, throws
// Falha naming the file or quoting the line.
class PastaDados {
public:
    PastaDados(QString pasta, const Relogio& relogio);

    const QString& Pasta() const { return pasta; }
    // A bare file name is taken inside the data folder; a full path as it is.
    QString Caminho(const QString& nome) const;
    bool Existe(const QString& nome) const;

    QStringList LeLinhas(const QString& nome) const;
    void GravaLinhas(const QString& nome, const QStringList& linhas) const;
    // Converts a line to a date, or throws quoting it.
    Data ConverteData(const QString& linha, const QString& nome) const;
    int ConverteInteiro(const QString& linha, const QString& nome) const;

    Niveis LeNiveis() const;
    void GravaNiveis(const Niveis& niveis) const;

    // Escala.Txt: the last roster date (first line, at most 10 characters).
    Data LeUltimaEscala() const;
    void GravaUltimaEscala(Data dia) const;

    // DataIniFim.Txt: the roster period, line 1 start and line 2 end.
    std::pair<Data, Data> LeDataIniFim() const;
    void GravaDataIniFim(Data inicio, Data fim) const;

    int LeEntradas() const;
    void GravaEntradas(int n) const;

    void CopiaArquivo(const QString& origem, const QString& destino) const;
    // For each of the nine template names, copies prefixoOrigem + name over
    // prefixoDestino + name; stops at the first copy that fails.
    void CopiaArquivosIni(const QString& prefixoOrigem, const QString& prefixoDestino) const;
    static const QStringList& ArquivosIni();

    ModelosPstGrd LeModelosPstGrd() const;
    void GravaModelosPstGrd(const ModelosPstGrd& modelos) const;
    // Rewrites PstGrd.Txt from ModelosPstGrd.Txt: column 0 from row 1 down to the
    // first empty cell (at most 24).
    void GeraPstGrd() const;
    QStringList LePstGrd() const;

    // Opens the files the writes above replace; empty for the disk itself.
    // Tests hand one that fails as a full disk does.
    std::function<std::unique_ptr<QSaveFile>(const QString& caminho)> AbreArquivo;

private:
    QString pasta;
    const Relogio& relogio;
};
