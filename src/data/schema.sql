-- The office database. Keys are auto-numbers that the program never supplies; foreign keys are plain
-- integer columns. Date-times are stored as 'yyyy-MM-ddTHH:mm:ss' so that they sort and compare in time
-- order and read back as date-times: the triggers below turn the 'dd-MM-yyyy HH:mm[:ss]' texts that the
-- windows write into that form.
-- Only SQLite's built-in functions are used here, so that the standard sqlite3 tool reads and writes the file.

-- Column 1 is Nom: the patient form rebuilds the names word list from column 1. The find dialog shows
-- every column, the name included, and hides no column at index 1.
CREATE TABLE Patients (
    Num INTEGER PRIMARY KEY AUTOINCREMENT,
    Nom TEXT,
    Age INTEGER,
    Annee INTEGER,
    Sexe TEXT,
    Tel TEXT,
    Adresse TEXT,
    Antecedent_G TEXT,
    Antecedent_L TEXT,
    Autres TEXT,
    "n°dossier" TEXT
);
CREATE INDEX idx_patients_nom ON Patients(Nom);

CREATE TABLE Visites (
    VisiteNum INTEGER PRIMARY KEY AUTOINCREMENT,
    PatientNum INTEGER,
    Type TEXT,
    VDate TEXT,
    Motif TEXT,
    Diagnostique TEXT,
    TypeProthese TEXT
);
CREATE INDEX idx_visites_patient ON Visites(PatientNum, Type);
CREATE INDEX idx_visites_vdate ON Visites(VDate);

CREATE TABLE Traitements (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    visite_id INTEGER,
    VDate TEXT,
    Acte TEXT COLLATE NOCASE,
    Ordonnance TEXT,
    Frais INTEGER DEFAULT 0,
    Payement INTEGER DEFAULT 0,
    ProtFrais INTEGER DEFAULT 0,
    ProtPayement INTEGER DEFAULT 0,
    Medcin_id INTEGER,
    Radio BLOB,
    format TEXT DEFAULT 'PNG'
);
CREATE INDEX idx_traitements_visite ON Traitements(visite_id);
CREATE INDEX idx_traitements_vdate ON Traitements(VDate);

CREATE TABLE Rendezvous (
    RVNum INTEGER PRIMARY KEY AUTOINCREMENT,
    PatientNum INTEGER,
    RVDate TEXT,
    "Médecin" TEXT,
    traitement TEXT,
    Etat TEXT DEFAULT 'En attente'
);
CREATE INDEX idx_rendezvous_patient ON Rendezvous(PatientNum);
CREATE INDEX idx_rendezvous_rvdate ON Rendezvous(RVDate);

-- Names are compared without regard to letter case, as users of the office expect at login.
CREATE TABLE user (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    Password TEXT,
    Role INTEGER,
    DrNom TEXT,
    Adresse TEXT,
    OrdonnancePied TEXT
);
CREATE INDEX idx_user_name ON user(Name);

-- Reference lists: the key, a hidden code, then the list text.
CREATE TABLE acte (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Code TEXT,
    Acte TEXT COLLATE NOCASE,
    Frais INTEGER DEFAULT 0,
    FraisProthese INTEGER DEFAULT 0
);
CREATE INDEX idx_acte_acte ON acte(Acte);
CREATE TABLE Motif (id INTEGER PRIMARY KEY AUTOINCREMENT, Code TEXT, motif TEXT);
CREATE TABLE Diagnostique (id INTEGER PRIMARY KEY AUTOINCREMENT, Code TEXT, diagnostique TEXT);
CREATE TABLE TypeProthese (id INTEGER PRIMARY KEY AUTOINCREMENT, Code TEXT, TypeProthese TEXT);
CREATE TABLE Medicament (id INTEGER PRIMARY KEY AUTOINCREMENT, Code TEXT, "Médicament" TEXT);
CREATE TABLE AntecedentsG (id INTEGER PRIMARY KEY AUTOINCREMENT, Code TEXT, Antecedent TEXT);
CREATE TABLE AntecedentsL (id INTEGER PRIMARY KEY AUTOINCREMENT, Code TEXT, Antecedent TEXT);
CREATE TABLE Prothesistes (id INTEGER PRIMARY KEY AUTOINCREMENT, Code TEXT, Nom TEXT, Tel TEXT, Adresse TEXT);

-- Date-times typed as 'dd-MM-yyyy HH:mm', 'dd-MM-yyyy HH:mm:ss' or 'dd-MM-yyyy' become 'yyyy-MM-ddTHH:mm:ss'.
CREATE TRIGGER visites_vdate_insert AFTER INSERT ON Visites
WHEN new.VDate GLOB '[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9]*'
BEGIN
    UPDATE Visites SET VDate = substr(new.VDate, 7, 4) || '-' || substr(new.VDate, 4, 2) || '-' ||
        substr(new.VDate, 1, 2) || 'T' ||
        CASE length(substr(new.VDate, 12)) WHEN 5 THEN substr(new.VDate, 12) || ':00'
             WHEN 8 THEN substr(new.VDate, 12) ELSE '00:00:00' END
    WHERE VisiteNum = new.VisiteNum;
END;
CREATE TRIGGER visites_vdate_update AFTER UPDATE OF VDate ON Visites
WHEN new.VDate GLOB '[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9]*'
BEGIN
    UPDATE Visites SET VDate = substr(new.VDate, 7, 4) || '-' || substr(new.VDate, 4, 2) || '-' ||
        substr(new.VDate, 1, 2) || 'T' ||
        CASE length(substr(new.VDate, 12)) WHEN 5 THEN substr(new.VDate, 12) || ':00'
             WHEN 8 THEN substr(new.VDate, 12) ELSE '00:00:00' END
    WHERE VisiteNum = new.VisiteNum;
END;
CREATE TRIGGER traitements_vdate_insert AFTER INSERT ON Traitements
WHEN new.VDate GLOB '[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9]*'
BEGIN
    UPDATE Traitements SET VDate = substr(new.VDate, 7, 4) || '-' || substr(new.VDate, 4, 2) || '-' ||
        substr(new.VDate, 1, 2) || 'T' ||
        CASE length(substr(new.VDate, 12)) WHEN 5 THEN substr(new.VDate, 12) || ':00'
             WHEN 8 THEN substr(new.VDate, 12) ELSE '00:00:00' END
    WHERE id = new.id;
END;
CREATE TRIGGER traitements_vdate_update AFTER UPDATE OF VDate ON Traitements
WHEN new.VDate GLOB '[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9]*'
BEGIN
    UPDATE Traitements SET VDate = substr(new.VDate, 7, 4) || '-' || substr(new.VDate, 4, 2) || '-' ||
        substr(new.VDate, 1, 2) || 'T' ||
        CASE length(substr(new.VDate, 12)) WHEN 5 THEN substr(new.VDate, 12) || ':00'
             WHEN 8 THEN substr(new.VDate, 12) ELSE '00:00:00' END
    WHERE id = new.id;
END;
CREATE TRIGGER rendezvous_rvdate_insert AFTER INSERT ON Rendezvous
WHEN new.RVDate GLOB '[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9]*'
BEGIN
    UPDATE Rendezvous SET RVDate = substr(new.RVDate, 7, 4) || '-' || substr(new.RVDate, 4, 2) || '-' ||
        substr(new.RVDate, 1, 2) || 'T' ||
        CASE length(substr(new.RVDate, 12)) WHEN 5 THEN substr(new.RVDate, 12) || ':00'
             WHEN 8 THEN substr(new.RVDate, 12) ELSE '00:00:00' END
    WHERE RVNum = new.RVNum;
END;
CREATE TRIGGER rendezvous_rvdate_update AFTER UPDATE OF RVDate ON Rendezvous
WHEN new.RVDate GLOB '[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9]*'
BEGIN
    UPDATE Rendezvous SET RVDate = substr(new.RVDate, 7, 4) || '-' || substr(new.RVDate, 4, 2) || '-' ||
        substr(new.RVDate, 1, 2) || 'T' ||
        CASE length(substr(new.RVDate, 12)) WHEN 5 THEN substr(new.RVDate, 12) || ':00'
             WHEN 8 THEN substr(new.RVDate, 12) ELSE '00:00:00' END
    WHERE RVNum = new.RVNum;
END;

-- A deleted visit takes its acts with it: orphan acts would still count in the receipts.
-- A deleted patient keeps his visits, acts and appointments; the lists joined on the patient no longer show them.
CREATE TRIGGER visites_delete_acts AFTER DELETE ON Visites
BEGIN
    DELETE FROM Traitements WHERE visite_id = old.VisiteNum;
END;

-- The saved queries. Sums are whole amounts; a visit without acts sums to 0. The visit views compute their
-- sums per row, so that a filter on the visit (a patient's visits) is served by the indexes.
CREATE VIEW vVisites AS
SELECT Visites.PatientNum, Visites.VisiteNum, Visites.VDate, Visites.Type, Visites.Motif, Visites.Diagnostique,
       Visites.TypeProthese,
       (SELECT CAST(total(Frais) AS INTEGER) FROM Traitements WHERE visite_id = Visites.VisiteNum) AS SommeDeFrais,
       (SELECT CAST(total(Payement) AS INTEGER) FROM Traitements WHERE visite_id = Visites.VisiteNum)
           AS SommeDePayement,
       (SELECT CAST(total(Frais) - total(Payement) AS INTEGER) FROM Traitements WHERE visite_id = Visites.VisiteNum)
           AS Reste
FROM Visites;

CREATE VIEW vSoinsProthese AS
SELECT Patients.Num, Patients.Nom, Visites.VDate, Visites.Type, Visites.Motif AS motif,
       Visites.Diagnostique AS diagnostique, Visites.TypeProthese AS typeProthese,
       (SELECT CAST(total(Frais) - total(Payement) AS INTEGER) FROM Traitements WHERE visite_id = Visites.VisiteNum)
           AS Reste,
       Visites.VisiteNum
FROM Patients INNER JOIN Visites ON Patients.Num = Visites.PatientNum;

CREATE VIEW vTraitements AS
SELECT Traitements.id, Traitements.visite_id, Traitements.VDate, Traitements.Acte,
       Traitements.Frais, Traitements.Payement, user.Name AS "Médecin_Traitant",
       Traitements.Ordonnance AS ordonnance, Traitements.Medcin_id AS medcin_id, Traitements.Radio
FROM Traitements LEFT JOIN user ON Traitements.Medcin_id = user.id;

CREATE VIEW vRendezvous AS
SELECT Rendezvous.RVDate AS "Date", Patients.Nom, Rendezvous.Etat, Rendezvous.traitement,
       Rendezvous."Médecin", Patients.Num, Rendezvous.RVNum,
       date(Rendezvous.RVDate) AS RVDate, date(Rendezvous.RVDate) AS VDate
FROM Rendezvous INNER JOIN Patients ON Rendezvous.PatientNum = Patients.Num
ORDER BY Rendezvous.RVDate;

CREATE VIEW vrendezvousdate AS
SELECT Rendezvous.RVDate AS "Date", Patients.Nom, Rendezvous.traitement, Rendezvous.Etat, Rendezvous."Médecin",
       Patients.Num, date(Rendezvous.RVDate) AS RVDate
FROM Rendezvous INNER JOIN Patients ON Rendezvous.PatientNum = Patients.Num
ORDER BY Rendezvous.RVDate;
