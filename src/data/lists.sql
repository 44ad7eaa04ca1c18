-- What keeps the lists quick on an office with twenty years of records. A new file gets it after the tables;
-- a file made before it gets it when the program opens the file (every statement may run again).
-- Only SQLite's built-in functions and modules are used, so that the standard sqlite3 tool reads and writes
-- the file and keeps these indexes up to date.

-- A doctor's acts are a third of the office: an index on the doctor alone led the debt panel to read all of
-- them instead of the patient's few visits.
DROP INDEX IF EXISTS idx_traitements_medecin;

-- A day of the appointment book, and a period of the receipts, read through the day of their date-time.
-- The views compare these very expressions, so that their day filters are served by the indexes; the
-- receipts' index also holds the amounts, so that a period's sums never read the acts themselves.
CREATE INDEX IF NOT EXISTS idx_rendezvous_day ON Rendezvous(date(RVDate));
CREATE INDEX IF NOT EXISTS idx_traitements_day ON Traitements(date(VDate), Medcin_id, Frais, Payement);

-- The yearly age update looks for the patients whose age and year of birth no longer add up to this year.
CREATE INDEX IF NOT EXISTS idx_patients_age ON Patients(Age + Annee);

-- The patient search: every run of three characters of the searched columns, letter case folded. It only
-- narrows the search to a few candidates; the like filter of the find dialog still decides.
CREATE VIRTUAL TABLE IF NOT EXISTS patients_search USING fts5(
    dossier, nom, antecedent_g, antecedent_l, adresse, tel, annee, autres,
    content = '', tokenize = 'trigram', detail = 'column');

-- The index holds no copy of the texts: removing a row needs the values it was indexed with, which the
-- triggers take from the old row.
DROP TRIGGER IF EXISTS patients_search_insert;
CREATE TRIGGER patients_search_insert AFTER INSERT ON Patients
BEGIN
    INSERT INTO patients_search (rowid, dossier, nom, antecedent_g, antecedent_l, adresse, tel, annee, autres)
    VALUES (new.Num, new."n°dossier", new.Nom, new.Antecedent_G, new.Antecedent_L, new.Adresse, new.Tel, new.Annee,
            new.Autres);
END;
DROP TRIGGER IF EXISTS patients_search_delete;
CREATE TRIGGER patients_search_delete AFTER DELETE ON Patients
BEGIN
    INSERT INTO patients_search (patients_search, rowid, dossier, nom, antecedent_g, antecedent_l, adresse, tel,
                                 annee, autres)
    VALUES ('delete', old.Num, old."n°dossier", old.Nom, old.Antecedent_G, old.Antecedent_L, old.Adresse, old.Tel,
            old.Annee, old.Autres);
END;
-- The yearly age update leaves the index alone.
DROP TRIGGER IF EXISTS patients_search_update;
CREATE TRIGGER patients_search_update
AFTER UPDATE OF Num, "n°dossier", Nom, Antecedent_G, Antecedent_L, Adresse, Tel, Annee, Autres ON Patients
BEGIN
    INSERT INTO patients_search (patients_search, rowid, dossier, nom, antecedent_g, antecedent_l, adresse, tel,
                                 annee, autres)
    VALUES ('delete', old.Num, old."n°dossier", old.Nom, old.Antecedent_G, old.Antecedent_L, old.Adresse, old.Tel,
            old.Annee, old.Autres);
    INSERT INTO patients_search (rowid, dossier, nom, antecedent_g, antecedent_l, adresse, tel, annee, autres)
    VALUES (new.Num, new."n°dossier", new.Nom, new.Antecedent_G, new.Antecedent_L, new.Adresse, new.Tel, new.Annee,
            new.Autres);
END;

INSERT INTO patients_search (patients_search) VALUES ('delete-all');
INSERT INTO patients_search (rowid, dossier, nom, antecedent_g, antecedent_l, adresse, tel, annee, autres)
SELECT Num, "n°dossier", Nom, Antecedent_G, Antecedent_L, Adresse, Tel, Annee, Autres FROM Patients;

-- The search of all visits: the visit's own searched texts, its date-time in the form a user reads
-- ('dd-MM-yyyy HH:mm:ss', of which both typed forms are parts once '/' reads '-'), every run of three
-- characters. The patient's name is found through patients_search. The index keeps its own copy of the
-- texts, so that a row leaves it by its key whatever the date triggers did to it meanwhile.
CREATE VIRTUAL TABLE IF NOT EXISTS visites_search USING fts5(
    motif, diagnostique, typeprothese, vdate, tokenize = 'trigram', detail = 'none');

-- A stored date-time 'yyyy-MM-ddTHH:mm[:ss]' or day 'yyyy-MM-dd' is searched in the form a user reads; any
-- other text as it is.
DROP VIEW IF EXISTS visites_search_text;
CREATE VIEW visites_search_text AS
SELECT VisiteNum, Motif, Diagnostique, TypeProthese,
       CASE WHEN VDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'
                 OR VDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9][T ][0-9][0-9]:[0-9][0-9]'
                 OR VDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9][T ][0-9][0-9]:[0-9][0-9]:[0-9][0-9]'
            THEN substr(VDate, 9, 2) || '-' || substr(VDate, 6, 2) || '-' || substr(VDate, 1, 4) || ' ' ||
                 CASE length(VDate) WHEN 10 THEN '00:00:00' WHEN 16 THEN substr(VDate, 12, 5) || ':00'
                      ELSE substr(VDate, 12, 8) END
            ELSE VDate END AS VDate
FROM Visites;

DROP TRIGGER IF EXISTS visites_search_insert;
CREATE TRIGGER visites_search_insert AFTER INSERT ON Visites
BEGIN
    DELETE FROM visites_search WHERE rowid = new.VisiteNum;
    INSERT INTO visites_search (rowid, motif, diagnostique, typeprothese, vdate)
    SELECT * FROM visites_search_text WHERE VisiteNum = new.VisiteNum;
END;
DROP TRIGGER IF EXISTS visites_search_update;
CREATE TRIGGER visites_search_update
AFTER UPDATE OF VisiteNum, VDate, Motif, Diagnostique, TypeProthese ON Visites
BEGIN
    DELETE FROM visites_search WHERE rowid IN (old.VisiteNum, new.VisiteNum);
    INSERT INTO visites_search (rowid, motif, diagnostique, typeprothese, vdate)
    SELECT * FROM visites_search_text WHERE VisiteNum = new.VisiteNum;
END;
DROP TRIGGER IF EXISTS visites_search_delete;
CREATE TRIGGER visites_search_delete AFTER DELETE ON Visites
BEGIN
    DELETE FROM visites_search WHERE rowid = old.VisiteNum;
END;

DELETE FROM visites_search;
INSERT INTO visites_search (rowid, motif, diagnostique, typeprothese, vdate) SELECT * FROM visites_search_text;

-- The search of all appointments: the treatment and the state; the patient's name is found through
-- patients_search. The date triggers never touch these columns, so that the values a row was indexed with
-- are those of the old row.
CREATE VIRTUAL TABLE IF NOT EXISTS rendezvous_search USING fts5(
    traitement, etat, content = '', tokenize = 'trigram', detail = 'none');

DROP TRIGGER IF EXISTS rendezvous_search_insert;
CREATE TRIGGER rendezvous_search_insert AFTER INSERT ON Rendezvous
BEGIN
    INSERT INTO rendezvous_search (rowid, traitement, etat) VALUES (new.RVNum, new.traitement, new.Etat);
END;
DROP TRIGGER IF EXISTS rendezvous_search_delete;
CREATE TRIGGER rendezvous_search_delete AFTER DELETE ON Rendezvous
BEGIN
    INSERT INTO rendezvous_search (rendezvous_search, rowid, traitement, etat)
    VALUES ('delete', old.RVNum, old.traitement, old.Etat);
END;
DROP TRIGGER IF EXISTS rendezvous_search_update;
CREATE TRIGGER rendezvous_search_update AFTER UPDATE OF RVNum, traitement, Etat ON Rendezvous
BEGIN
    INSERT INTO rendezvous_search (rendezvous_search, rowid, traitement, etat)
    VALUES ('delete', old.RVNum, old.traitement, old.Etat);
    INSERT INTO rendezvous_search (rowid, traitement, etat) VALUES (new.RVNum, new.traitement, new.Etat);
END;

INSERT INTO rendezvous_search (rendezvous_search) VALUES ('delete-all');
INSERT INTO rendezvous_search (rowid, traitement, etat) SELECT RVNum, traitement, Etat FROM Rendezvous;

-- The receipts per day and doctor. A period filter on VDate reaches the acts before they are grouped, and
-- the groups come in the order of the index, so that the first days show without grouping the whole period.
DROP VIEW IF EXISTS Query;
CREATE VIEW Query AS
SELECT date(Traitements.VDate) AS VDate,
       CAST(total(Traitements.Frais) AS INTEGER) AS SommeDeFrais,
       CAST(total(Traitements.Payement) AS INTEGER) AS SommeDePayement,
       CAST(total(Traitements.Frais) - total(Traitements.Payement) AS INTEGER) AS Reste,
       Traitements.Medcin_id AS id,
       (SELECT user.Name FROM user WHERE user.id = Traitements.Medcin_id) AS "Médecin"
FROM Traitements
GROUP BY date(Traitements.VDate), Traitements.Medcin_id
ORDER BY date(Traitements.VDate), Traitements.Medcin_id;

-- The receipts of each day and doctor, kept up to date by the acts' triggers: the totals of a period read
-- a few rows a day instead of every act, so that the whole office sums as quickly as a month. A change adds
-- its differences, in any order the date triggers leave; a day and doctor without acts goes.
CREATE TABLE IF NOT EXISTS recettes_jour (
    VDate TEXT NOT NULL,
    Medcin_id INTEGER NOT NULL,
    Frais NOT NULL,
    Payement NOT NULL,
    Actes INTEGER NOT NULL,
    PRIMARY KEY (VDate, Medcin_id)
) WITHOUT ROWID;

DROP TRIGGER IF EXISTS recettes_jour_insert;
CREATE TRIGGER recettes_jour_insert AFTER INSERT ON Traitements
BEGIN
    INSERT INTO recettes_jour
    VALUES (coalesce(date(new.VDate), ''), coalesce(new.Medcin_id, 0), coalesce(new.Frais, 0),
            coalesce(new.Payement, 0), 1)
    ON CONFLICT (VDate, Medcin_id) DO UPDATE
    SET Frais = Frais + excluded.Frais, Payement = Payement + excluded.Payement, Actes = Actes + excluded.Actes;
    DELETE FROM recettes_jour
    WHERE VDate = coalesce(date(new.VDate), '') AND Medcin_id = coalesce(new.Medcin_id, 0) AND Actes = 0;
END;
DROP TRIGGER IF EXISTS recettes_jour_delete;
CREATE TRIGGER recettes_jour_delete AFTER DELETE ON Traitements
BEGIN
    INSERT INTO recettes_jour
    VALUES (coalesce(date(old.VDate), ''), coalesce(old.Medcin_id, 0), -coalesce(old.Frais, 0),
            -coalesce(old.Payement, 0), -1)
    ON CONFLICT (VDate, Medcin_id) DO UPDATE
    SET Frais = Frais + excluded.Frais, Payement = Payement + excluded.Payement, Actes = Actes + excluded.Actes;
    DELETE FROM recettes_jour
    WHERE VDate = coalesce(date(old.VDate), '') AND Medcin_id = coalesce(old.Medcin_id, 0) AND Actes = 0;
END;
DROP TRIGGER IF EXISTS recettes_jour_update;
CREATE TRIGGER recettes_jour_update AFTER UPDATE OF VDate, Frais, Payement, Medcin_id ON Traitements
BEGIN
    INSERT INTO recettes_jour
    VALUES (coalesce(date(old.VDate), ''), coalesce(old.Medcin_id, 0), -coalesce(old.Frais, 0),
            -coalesce(old.Payement, 0), -1)
    ON CONFLICT (VDate, Medcin_id) DO UPDATE
    SET Frais = Frais + excluded.Frais, Payement = Payement + excluded.Payement, Actes = Actes + excluded.Actes;
    INSERT INTO recettes_jour
    VALUES (coalesce(date(new.VDate), ''), coalesce(new.Medcin_id, 0), coalesce(new.Frais, 0),
            coalesce(new.Payement, 0), 1)
    ON CONFLICT (VDate, Medcin_id) DO UPDATE
    SET Frais = Frais + excluded.Frais, Payement = Payement + excluded.Payement, Actes = Actes + excluded.Actes;
    DELETE FROM recettes_jour
    WHERE ((VDate = coalesce(date(old.VDate), '') AND Medcin_id = coalesce(old.Medcin_id, 0))
           OR (VDate = coalesce(date(new.VDate), '') AND Medcin_id = coalesce(new.Medcin_id, 0)))
      AND Actes = 0;
END;

DELETE FROM recettes_jour;
INSERT INTO recettes_jour
SELECT coalesce(date(VDate), ''), coalesce(Medcin_id, 0), sum(coalesce(Frais, 0)), sum(coalesce(Payement, 0)), count(*)
FROM Traitements
GROUP BY 1, 2;

-- The receipts per day and doctor with the columns of Query, ungrouped: the totals of a period.
DROP VIEW IF EXISTS vRecettes;
CREATE VIEW vRecettes AS
SELECT recettes_jour.VDate, recettes_jour.Frais, recettes_jour.Payement, recettes_jour.Medcin_id AS id
FROM recettes_jour;

-- The receipts per patient and doctor, in the order of the names: each patient's sums are read from his own
-- visits, so that the first names show without summing the whole office.
DROP VIEW IF EXISTS vPatient;
CREATE VIEW vPatient AS
SELECT Patients.Num, Patients.Nom,
       (SELECT CAST(total(Traitements.Frais) AS INTEGER)
        FROM Visites INNER JOIN Traitements ON Visites.VisiteNum = Traitements.visite_id
        WHERE Visites.PatientNum = Patients.Num AND Traitements.Medcin_id = user.id) AS SommeDeFrais,
       (SELECT CAST(total(Traitements.Payement) AS INTEGER)
        FROM Visites INNER JOIN Traitements ON Visites.VisiteNum = Traitements.visite_id
        WHERE Visites.PatientNum = Patients.Num AND Traitements.Medcin_id = user.id) AS SommeDePayement,
       (SELECT CAST(total(Traitements.Frais) - total(Traitements.Payement) AS INTEGER)
        FROM Visites INNER JOIN Traitements ON Visites.VisiteNum = Traitements.visite_id
        WHERE Visites.PatientNum = Patients.Num AND Traitements.Medcin_id = user.id) AS Reste,
       user.id AS id, user.Name AS "Médecin"
FROM Patients CROSS JOIN user
WHERE EXISTS (SELECT 1 FROM Visites INNER JOIN Traitements ON Visites.VisiteNum = Traitements.visite_id
              WHERE Visites.PatientNum = Patients.Num AND Traitements.Medcin_id = user.id)
ORDER BY Patients.Nom;
