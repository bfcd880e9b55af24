#!/bin/sh
# Loads course/Base.sql into a scratch SQLite file and checks the question bank
# for the faults that would hurt a student: missing codes, empty or over-long
# fields, and answers that repeat within a question (a repeated ans1 would be
# judged correct on two buttons). Prints the problems and exits non-zero.
set -eu
src=${1:-$(dirname "$0")/../course/Base.sql}
db=$(mktemp /tmp/base_check.XXXXXX)
trap 'rm -f "$db"' EXIT
rm -f "$db"
sqlite3 -bail "$db" < "$src"

problems=$(sqlite3 "$db" <<'SQL'
WITH RECURSIVE n(c) AS (SELECT 1 UNION ALL SELECT c + 1 FROM n WHERE c < 121)
SELECT 'missing code ' || c FROM n WHERE c NOT IN (SELECT code FROM Vopros);
SELECT 'empty field in code ' || code FROM Vopros
 WHERE coalesce(trim(Tekst), '') = '' OR coalesce(trim(ans1), '') = ''
    OR coalesce(trim(ans2), '') = '' OR coalesce(trim(ans3), '') = ''
    OR coalesce(trim(ans4), '') = '' OR coalesce(trim(ans5), '') = '';
SELECT 'repeated answer in code ' || code FROM Vopros
 WHERE ans1 IN (ans2, ans3, ans4, ans5) OR ans2 IN (ans3, ans4, ans5)
    OR ans3 IN (ans4, ans5) OR ans4 = ans5;
SELECT 'text over 255 in code ' || code FROM Vopros
 WHERE max(length(Tekst), length(ans1), length(ans2), length(ans3),
           length(ans4), length(ans5)) > 255;
SELECT 'answer over 100 in code ' || code FROM Vopros
 WHERE max(length(ans1), length(ans2), length(ans3), length(ans4), length(ans5)) > 100;
SELECT 'user field too long: ' || Login FROM Users
 WHERE length(Login) > 255 OR length(Password) > 255 OR length(Fam) > 30
    OR length(Imya) > 20 OR length(Otch) > 30 OR length("Group") > 20;
SELECT 'bad result row ' || Kod FROM Rezult
 WHERE length("user") > 50 OR "result" GLOB '*[^0-9]*' OR "result" = ''
    OR datatest NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]';
SELECT 'no administrator row' WHERE NOT EXISTS
 (SELECT 1 FROM Users WHERE Login = 'Chiefexaminer');
SELECT 'unexpected table ' || name FROM sqlite_master
 WHERE type = 'table' AND name NOT IN ('Users', 'Vopros', 'Rezult', 'sqlite_sequence');
SQL
)
if [ -n "$problems" ]; then
    printf '%s\n' "$problems"
    exit 1
fi
sqlite3 "$db" "SELECT count(*) || ' questions, ' ||
  (SELECT count(*) FROM Users) || ' users, ' ||
  (SELECT count(*) FROM Rezult) || ' results; longest question ' ||
  max(length(Tekst)) || ', longest answer ' ||
  max(max(length(ans1), length(ans2), length(ans3), length(ans4), length(ans5)))
  FROM Vopros"
