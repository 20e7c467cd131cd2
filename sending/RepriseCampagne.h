#pragma once
// Whether a campaign resumes an interrupted one, and what it then sends: the journals of this
// page and list that were never finished, read once; the user's two answers (resume? send again
// to the addresses that may have received it?) give the decision. The questions are asked by
// the window; their texts are here, with the other texts of a resume.
#include "sending/LectureJournal.h"
#include "sending/ResultatEnvoi.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class RepriseCampagne {
public:
    struct Decision {
        // The journals given up (the older ones, and the latest when the resume is declined).
        QList<LectureJournal::Etat> abandonnes = {};
        // The journal the campaign goes on writing, when it resumes.
        std::optional<LectureJournal::Etat> repris = {};
        // What is sent, in the list's order.
        QStringList adresses = {};
        // Addresses that may have received the message, not sent again: kept in the error
        // record, from which the user may still send to them.
        QList<ResultatEnvoi> nonRenvoyees = {};
        // The subject the messages carry: the interrupted campaign's, whose messages already
        // left with it.
        QString sujet = {};
    };

    // `adresses` and `sujet` are what the campaign would send without a resume.
    RepriseCampagne(QList<LectureJournal::Etat> interrompues, QStringList adresses, QString sujet);
    // The interrupted campaigns of this page (its checksum) and list, read from `repertoire`.
    static RepriseCampagne Lire(const QString& repertoire, const QString& page,
                                const QString& liste, QStringList adresses, QString sujet);

    // Whether there is anything to resume: the first question is asked only then.
    bool Interrompue() const { return !interrompues_.isEmpty(); }
    // On a resume, how many addresses may have received the message: the second question is
    // asked only when there are some.
    qsizetype Incertaines() const { return repartition_.incertaines.size(); }
    Decision Decider(bool reprendre, bool renvoyerIncertaines) const;

    static QString QuestionReprendre();
    static QString QuestionIncertaines(qsizetype nombre);
    // The status line when the resume brings back another subject than the one typed.
    static QString SujetRepris(const QString& sujet);

private:
    QList<LectureJournal::Etat> interrompues_;
    QStringList adresses_;
    QString sujet_;
    LectureJournal::Repartition repartition_;
};
