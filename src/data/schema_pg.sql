-- The office database on a PostgreSQL server: the same tables, columns and views as the office file, in
-- the same order. Names are written without quotes so that the server folds them to lower case and the
-- windows' statements find them whatever case they use; "user" is quoted because user is a reserved word.
-- Date-times are timestamps: each session reads typed dates day first (DateStyle DMY), so the
-- 'dd-MM-yyyy HH:mm[:ss]' texts the windows write are stored as they mean.
-- The functions and operators at the end teach the server the dialect of the windows' statements; they are
-- found before the built-in ones because each session puts pg_catalog after public in its search path.

-- Indexes keep empty values first, where the office file sorts them (see the ordering of the adapter).

-- Names compared without regard to letter case, as in the office file.
CREATE COLLATION nocase (provider = icu, locale = 'und-u-ks-level2', deterministic = false);

CREATE TABLE Patients (
    Num serial PRIMARY KEY,
    Nom text,
    Age integer,
    Annee integer,
    Sexe text,
    Tel text,
    Adresse text,
    Antecedent_G text,
    Antecedent_L text,
    Autres text,
    n°dossier text
);
CREATE INDEX idx_patients_nom ON Patients(Nom NULLS FIRST);
-- The yearly age update looks for the patients whose age and year of birth no longer add up to this year.
CREATE INDEX idx_patients_age ON Patients((Age + Annee));
-- The newest patient first, in the office file's order of empty values: the key's own index has the other.
CREATE UNIQUE INDEX idx_patients_num ON Patients(Num NULLS FIRST);

CREATE TABLE Visites (
    VisiteNum serial PRIMARY KEY,
    PatientNum integer,
    Type text,
    VDate timestamp(0),
    Motif text,
    Diagnostique text,
    TypeProthese text
);
CREATE INDEX idx_visites_patient ON Visites(PatientNum NULLS FIRST, Type NULLS FIRST);
CREATE INDEX idx_visites_vdate ON Visites(VDate NULLS FIRST);

CREATE TABLE Traitements (
    id serial PRIMARY KEY,
    visite_id integer,
    VDate timestamp(0),
    Acte text COLLATE nocase,
    Ordonnance text,
    Frais integer DEFAULT 0,
    Payement integer DEFAULT 0,
    ProtFrais integer DEFAULT 0,
    ProtPayement integer DEFAULT 0,
    Medcin_id integer,
    Radio bytea,
    format text DEFAULT 'PNG'
);
CREATE INDEX idx_traitements_visite ON Traitements(visite_id NULLS FIRST);
CREATE INDEX idx_traitements_vdate ON Traitements(VDate NULLS FIRST);
-- A period of the receipts, read through the day of the acts: the index also holds the amounts, so that a
-- period's sums never read the acts themselves.
CREATE INDEX idx_traitements_day ON Traitements((VDate::date) NULLS FIRST, Medcin_id NULLS FIRST)
    INCLUDE (Frais, Payement, VDate);
-- A doctor's receipts over a period, read from his part of the index alone.
CREATE INDEX idx_traitements_doctor_day ON Traitements(Medcin_id NULLS FIRST, (VDate::date) NULLS FIRST)
    INCLUDE (Frais, Payement, VDate);

CREATE TABLE Rendezvous (
    RVNum serial PRIMARY KEY,
    PatientNum integer,
    RVDate timestamp(0),
    Médecin text,
    traitement text,
    Etat text DEFAULT 'En attente'
);
CREATE INDEX idx_rendezvous_patient ON Rendezvous(PatientNum NULLS FIRST);
CREATE INDEX idx_rendezvous_rvdate ON Rendezvous(RVDate NULLS FIRST);
-- A day of the appointment book, in the order of its hours.
CREATE INDEX idx_rendezvous_day ON Rendezvous((RVDate::date), RVDate);

CREATE TABLE "user" (
    id serial PRIMARY KEY,
    Name text COLLATE nocase,
    Password text,
    Role integer,
    DrNom text,
    Adresse text,
    OrdonnancePied text
);
CREATE INDEX idx_user_name ON "user"(Name NULLS FIRST);

CREATE TABLE acte (
    id serial PRIMARY KEY,
    Code text,
    Acte text COLLATE nocase,
    Frais integer DEFAULT 0,
    FraisProthese integer DEFAULT 0
);
CREATE INDEX idx_acte_acte ON acte(Acte NULLS FIRST);
CREATE TABLE Motif (id serial PRIMARY KEY, Code text, motif text);
CREATE TABLE Diagnostique (id serial PRIMARY KEY, Code text, diagnostique text);
CREATE TABLE TypeProthese (id serial PRIMARY KEY, Code text, TypeProthese text);
CREATE TABLE Medicament (id serial PRIMARY KEY, Code text, Médicament text);
CREATE TABLE AntecedentsG (id serial PRIMARY KEY, Code text, Antecedent text);
CREATE TABLE AntecedentsL (id serial PRIMARY KEY, Code text, Antecedent text);
CREATE TABLE Prothesistes (id serial PRIMARY KEY, Code text, Nom text, Tel text, Adresse text);

-- A deleted visit takes its acts with it: orphan acts would still count in the receipts.
CREATE FUNCTION visites_delete_acts() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    DELETE FROM public.Traitements WHERE visite_id = old.VisiteNum;
    RETURN old;
END $$;
CREATE TRIGGER visites_delete_acts AFTER DELETE ON Visites FOR EACH ROW EXECUTE FUNCTION visites_delete_acts();

CREATE VIEW vVisites AS
SELECT Visites.PatientNum, Visites.VisiteNum, Visites.VDate, Visites.Type, Visites.Motif, Visites.Diagnostique,
       Visites.TypeProthese,
       (SELECT coalesce(sum(Frais), 0) FROM Traitements WHERE visite_id = Visites.VisiteNum) AS SommeDeFrais,
       (SELECT coalesce(sum(Payement), 0) FROM Traitements WHERE visite_id = Visites.VisiteNum) AS SommeDePayement,
       (SELECT coalesce(sum(Frais), 0) - coalesce(sum(Payement), 0) FROM Traitements
        WHERE visite_id = Visites.VisiteNum) AS Reste
FROM Visites;

CREATE VIEW vSoinsProthese AS
SELECT Patients.Num, Patients.Nom, Visites.VDate, Visites.Type, Visites.Motif AS motif,
       Visites.Diagnostique AS diagnostique, Visites.TypeProthese AS typeProthese,
       (SELECT coalesce(sum(Frais), 0) - coalesce(sum(Payement), 0) FROM Traitements
        WHERE visite_id = Visites.VisiteNum) AS Reste,
       Visites.VisiteNum
FROM Patients INNER JOIN Visites ON Patients.Num = Visites.PatientNum;

CREATE VIEW vTraitements AS
SELECT Traitements.id, Traitements.visite_id, Traitements.VDate, Traitements.Acte,
       Traitements.Frais, Traitements.Payement, "user".Name AS Médecin_Traitant,
       Traitements.Ordonnance AS ordonnance, Traitements.Medcin_id AS medcin_id, Traitements.Radio
FROM Traitements LEFT JOIN "user" ON Traitements.Medcin_id = "user".id;

CREATE VIEW vRendezvous AS
SELECT Rendezvous.RVDate AS "date", Patients.Nom, Rendezvous.Etat, Rendezvous.traitement,
       Rendezvous.Médecin, Patients.Num, Rendezvous.RVNum,
       Rendezvous.RVDate::date AS RVDate, Rendezvous.RVDate::date AS VDate
FROM Rendezvous INNER JOIN Patients ON Rendezvous.PatientNum = Patients.Num
ORDER BY Rendezvous.RVDate NULLS FIRST;

CREATE VIEW vrendezvousdate AS
SELECT Rendezvous.RVDate AS "date", Patients.Nom, Rendezvous.traitement, Rendezvous.Etat, Rendezvous.Médecin,
       Patients.Num, Rendezvous.RVDate::date AS RVDate
FROM Rendezvous INNER JOIN Patients ON Rendezvous.PatientNum = Patients.Num
ORDER BY Rendezvous.RVDate NULLS FIRST;

-- The receipts per day and doctor. A period filter on VDate reaches the acts before they are grouped, and
-- the groups come in the order of the day index, so that the first days show without grouping the whole
-- period.
CREATE VIEW Query AS
SELECT Traitements.VDate::date AS VDate,
       coalesce(sum(Traitements.Frais), 0) AS SommeDeFrais,
       coalesce(sum(Traitements.Payement), 0) AS SommeDePayement,
       coalesce(sum(Traitements.Frais), 0) - coalesce(sum(Traitements.Payement), 0) AS Reste,
       Traitements.Medcin_id AS id,
       (SELECT "user".Name FROM "user" WHERE "user".id = Traitements.Medcin_id) AS Médecin
FROM Traitements
GROUP BY Traitements.VDate::date, Traitements.Medcin_id
ORDER BY Traitements.VDate::date NULLS FIRST, Traitements.Medcin_id NULLS FIRST;

-- The acts with the columns of Query, ungrouped: the totals of a period in one pass over its acts.
CREATE VIEW vRecettes AS
SELECT Traitements.VDate::date AS VDate, Traitements.Frais, Traitements.Payement, Traitements.Medcin_id AS id
FROM Traitements;

-- The receipts per patient and doctor, in the order of the names: each patient's sums are read from his own
-- visits, so that the first names show without summing the whole office.
CREATE VIEW vPatient AS
SELECT Patients.Num, Patients.Nom, sums.SommeDeFrais, sums.SommeDePayement,
       sums.SommeDeFrais - sums.SommeDePayement AS Reste, "user".id AS id, "user".Name AS Médecin
FROM Patients CROSS JOIN "user"
CROSS JOIN LATERAL (
    SELECT coalesce(sum(Traitements.Frais), 0) AS SommeDeFrais,
           coalesce(sum(Traitements.Payement), 0) AS SommeDePayement, count(*) AS acts
    FROM Visites INNER JOIN Traitements ON Visites.VisiteNum = Traitements.visite_id
    WHERE Visites.PatientNum = Patients.Num AND Traitements.Medcin_id = "user".id) AS sums
WHERE sums.acts > 0
ORDER BY Patients.Nom NULLS FIRST;

-- datevalue('dd-MM-yyyy'), datevalue('dd/MM/yyyy') and datevalue('yyyy-MM-dd'), a time allowed after the day:
-- the day, or nothing for a text that is no day.
CREATE FUNCTION datevalue(day text) RETURNS date LANGUAGE plpgsql IMMUTABLE PARALLEL SAFE AS $$
BEGIN
    IF day ~ '^\d{4}-\d{2}-\d{2}([ T]|$)' THEN
        RETURN make_date(substr(day, 1, 4)::int, substr(day, 6, 2)::int, substr(day, 9, 2)::int);
    ELSIF day ~ '^\d{2}([-/])\d{2}\1\d{4}([ T]|$)' THEN
        RETURN make_date(substr(day, 7, 4)::int, substr(day, 4, 2)::int, substr(day, 1, 2)::int);
    END IF;
    RETURN NULL;
EXCEPTION WHEN others THEN
    RETURN NULL;
END $$;
CREATE FUNCTION datevalue(day timestamp) RETURNS date LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ SELECT day::date $$;
CREATE FUNCTION datevalue(day date) RETURNS date LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ SELECT day $$;

-- The row the last insert wrote, as the office file names it.
CREATE FUNCTION last_insert_rowid() RETURNS bigint LANGUAGE sql VOLATILE AS $$ SELECT lastval() $$;

-- like ignores letter case, accented letters included; a backslash typed in a pattern is a plain character,
-- as in the office file. A date-time matches only in the forms a user reads and types: 'dd-MM-yyyy HH:mm' and
-- 'dd/MM/yyyy HH:mm:ss' (a day alone: 'dd-MM-yyyy' and 'dd/MM/yyyy'), never in the server's own text: "12-08"
-- is the 12th of August, not the 8th of December.
-- A pattern of wildcards '%' alone, which the lists' empty search lines give, keeps every value at no cost
-- (an empty value stays unknown, as with any other pattern).
CREATE FUNCTION kelvora_like(value text, pattern text) RETURNS boolean LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
    SELECT CASE WHEN pattern COLLATE "C" !~ '[^%]' THEN value IS NOT NULL OR NULL
                ELSE lower(value COLLATE "und-x-icu") COLLATE "C" OPERATOR(pg_catalog.~~)
                     replace(lower(pattern COLLATE "und-x-icu"), '\', '\\') COLLATE "C"
           END
$$;
-- The typed forms are written with immutable functions only (to_char depends on the session), so that the
-- server inlines like into the statement and sees, when it plans it, that a pattern holding anything but
-- digits and separators matches no date: most searches are words, and skip the dates at no cost.
CREATE FUNCTION kelvora_two_digits(value double precision) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE AS
    $$ SELECT lpad(floor(value)::integer::text, 2, '0') $$;
CREATE FUNCTION kelvora_typed_day(value timestamp, separator text) RETURNS text LANGUAGE sql IMMUTABLE
    PARALLEL SAFE AS $$
    SELECT kelvora_two_digits(date_part('day', value)) || separator || kelvora_two_digits(date_part('month', value))
           || separator || lpad(date_part('year', value)::integer::text, 4, '0')
$$;
CREATE FUNCTION kelvora_like(value timestamp, pattern text) RETURNS boolean LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
    SELECT CASE WHEN value IS NULL THEN NULL
                WHEN pattern COLLATE "C" !~ '[^%]' THEN true
                WHEN pattern COLLATE "C" !~ '^[-0-9/: %_]*$' THEN false
                ELSE kelvora_like(kelvora_typed_day(value, '-') || ' ' || kelvora_two_digits(date_part('hour', value))
                                  || ':' || kelvora_two_digits(date_part('minute', value)), pattern)
                  OR kelvora_like(kelvora_typed_day(value, '/') || ' ' || kelvora_two_digits(date_part('hour', value))
                                  || ':' || kelvora_two_digits(date_part('minute', value)) || ':'
                                  || kelvora_two_digits(date_part('second', value)), pattern)
           END
$$;
CREATE FUNCTION kelvora_like(value date, pattern text) RETURNS boolean LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
    SELECT CASE WHEN value IS NULL THEN NULL
                WHEN pattern COLLATE "C" !~ '[^%]' THEN true
                WHEN pattern COLLATE "C" !~ '^[-0-9/: %_]*$' THEN false
                ELSE kelvora_like(kelvora_typed_day(value, '-'), pattern)
                  OR kelvora_like(kelvora_typed_day(value, '/'), pattern)
           END
$$;
CREATE FUNCTION kelvora_like(value bigint, pattern text) RETURNS boolean LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
    SELECT kelvora_like(value::text, pattern)
$$;
CREATE FUNCTION kelvora_not_like(value text, pattern text) RETURNS boolean LANGUAGE sql IMMUTABLE PARALLEL SAFE AS
    $$ SELECT NOT kelvora_like(value, pattern) $$;
CREATE FUNCTION kelvora_not_like(value timestamp, pattern text) RETURNS boolean LANGUAGE sql IMMUTABLE PARALLEL SAFE
    AS $$ SELECT NOT kelvora_like(value, pattern) $$;
CREATE FUNCTION kelvora_not_like(value date, pattern text) RETURNS boolean LANGUAGE sql IMMUTABLE PARALLEL SAFE AS
    $$ SELECT NOT kelvora_like(value, pattern) $$;
CREATE FUNCTION kelvora_not_like(value bigint, pattern text) RETURNS boolean LANGUAGE sql IMMUTABLE PARALLEL SAFE AS
    $$ SELECT NOT kelvora_like(value, pattern) $$;
CREATE OPERATOR ~~ (LEFTARG = text, RIGHTARG = text, FUNCTION = kelvora_like, NEGATOR = !~~);
CREATE OPERATOR ~~ (LEFTARG = timestamp, RIGHTARG = text, FUNCTION = kelvora_like, NEGATOR = !~~);
CREATE OPERATOR ~~ (LEFTARG = date, RIGHTARG = text, FUNCTION = kelvora_like, NEGATOR = !~~);
CREATE OPERATOR ~~ (LEFTARG = bigint, RIGHTARG = text, FUNCTION = kelvora_like, NEGATOR = !~~);
CREATE OPERATOR !~~ (LEFTARG = text, RIGHTARG = text, FUNCTION = kelvora_not_like, NEGATOR = ~~);
CREATE OPERATOR !~~ (LEFTARG = timestamp, RIGHTARG = text, FUNCTION = kelvora_not_like, NEGATOR = ~~);
CREATE OPERATOR !~~ (LEFTARG = date, RIGHTARG = text, FUNCTION = kelvora_not_like, NEGATOR = ~~);
CREATE OPERATOR !~~ (LEFTARG = bigint, RIGHTARG = text, FUNCTION = kelvora_not_like, NEGATOR = ~~);

-- A few more of the office file's functions, and date-times joined to texts in the form it stores them.
CREATE FUNCTION ifnull(value anycompatible, otherwise anycompatible) RETURNS anycompatible LANGUAGE sql IMMUTABLE
    PARALLEL SAFE AS $$ SELECT coalesce(value, otherwise) $$;
CREATE FUNCTION kelvora_concat(list text, value text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE AS
    $$ SELECT CASE WHEN list IS NULL THEN value WHEN value IS NULL THEN list ELSE list || ',' || value END $$;
CREATE AGGREGATE group_concat(text) (SFUNC = kelvora_concat, STYPE = text);
CREATE FUNCTION kelvora_text(value timestamp) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE AS
    $$ SELECT to_char(value, 'YYYY-MM-DD"T"HH24:MI:SS') $$;
CREATE FUNCTION kelvora_concat_time(value timestamp, suffix text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE
    AS $$ SELECT kelvora_text(value) OPERATOR(pg_catalog.||) suffix $$;
CREATE FUNCTION kelvora_concat_time(prefix text, value timestamp) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE
    AS $$ SELECT prefix OPERATOR(pg_catalog.||) kelvora_text(value) $$;
CREATE FUNCTION kelvora_concat_day(value date, suffix text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE
    AS $$ SELECT to_char(value, 'YYYY-MM-DD') OPERATOR(pg_catalog.||) suffix $$;
CREATE FUNCTION kelvora_concat_day(prefix text, value date) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE
    AS $$ SELECT prefix OPERATOR(pg_catalog.||) to_char(value, 'YYYY-MM-DD') $$;
CREATE OPERATOR || (LEFTARG = date, RIGHTARG = text, FUNCTION = kelvora_concat_day);
CREATE OPERATOR || (LEFTARG = text, RIGHTARG = date, FUNCTION = kelvora_concat_day);
CREATE OPERATOR || (LEFTARG = timestamp, RIGHTARG = text, FUNCTION = kelvora_concat_time);
CREATE OPERATOR || (LEFTARG = text, RIGHTARG = timestamp, FUNCTION = kelvora_concat_time);

-- The patient search: every run of three characters of the searched columns, in one text per patient with
-- its letter case folded. It only narrows the search to a few candidates; the like filter of the find dialog
-- still decides. The trigram operators keep to a schema of their own, out of the way of the office's names.
CREATE SCHEMA trigrams;
CREATE EXTENSION pg_trgm SCHEMA trigrams;
CREATE FUNCTION patient_search_text(dossier text, nom text, antecedent_g text, antecedent_l text, adresse text,
                                    tel text, annee integer, autres text)
    RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
    SELECT lower((coalesce(dossier, '') || E'\n' || coalesce(nom, '') || E'\n' || coalesce(antecedent_g, '') ||
                  E'\n' || coalesce(antecedent_l, '') || E'\n' || coalesce(adresse, '') || E'\n' ||
                  coalesce(tel, '') || E'\n' || coalesce(annee::text, '') || E'\n' || coalesce(autres, ''))
                 COLLATE "und-x-icu")
$$;
CREATE INDEX idx_patients_search ON Patients USING gin (
    patient_search_text(n°dossier, Nom, Antecedent_G, Antecedent_L, Adresse, Tel, Annee, Autres)
    trigrams.gin_trgm_ops);
-- The search of all appointments, in the same way: the treatment and state of each appointment, and the
-- patients' names.
CREATE FUNCTION rendezvous_search_text(traitement text, etat text) RETURNS text LANGUAGE sql IMMUTABLE
    PARALLEL SAFE AS $$
    SELECT lower((coalesce(traitement, '') || E'\n' || coalesce(etat, '')) COLLATE "und-x-icu")
$$;
CREATE INDEX idx_rendezvous_search ON Rendezvous USING gin (rendezvous_search_text(traitement, Etat)
    trigrams.gin_trgm_ops);
CREATE FUNCTION patient_name_text(nom text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
    SELECT lower(nom COLLATE "und-x-icu")
$$;
CREATE INDEX idx_patients_name_search ON Patients USING gin (patient_name_text(Nom) trigrams.gin_trgm_ops);

-- What the server knows of the texts as like reads them, letter case folded: it plans a list's search on how
-- many rows each like keeps ("Type like '%SOINS%'" keeps most visits, a name a few), and reads a long list in
-- the order it shows rather than sorting every row the search keeps.
CREATE STATISTICS patients_nom_folded ON (lower(Nom COLLATE "und-x-icu")) FROM Patients;
-- Names are many and varied: with a closer look at them, two letters typed in the appointment book are known
-- to keep enough appointments that the book is read in its order and its first page shows at once.
ALTER STATISTICS patients_nom_folded SET STATISTICS 1000;
CREATE STATISTICS visites_type_folded ON (lower(Type COLLATE "und-x-icu")) FROM Visites;
CREATE STATISTICS visites_motif_folded ON (lower(Motif COLLATE "und-x-icu")) FROM Visites;
CREATE STATISTICS visites_diagnostique_folded ON (lower(Diagnostique COLLATE "und-x-icu")) FROM Visites;
CREATE STATISTICS visites_typeprothese_folded ON (lower(TypeProthese COLLATE "und-x-icu")) FROM Visites;
CREATE STATISTICS traitements_acte_folded ON (lower(Acte COLLATE "und-x-icu")) FROM Traitements;
CREATE STATISTICS rendezvous_traitement_folded ON (lower(traitement COLLATE "und-x-icu")) FROM Rendezvous;
CREATE STATISTICS rendezvous_etat_folded ON (lower(Etat COLLATE "und-x-icu")) FROM Rendezvous;
