# Embedded texts: the style sheets the windows set on themselves (":/styles/") and the initial word lists
# (":/resources/", Latin-1 as shipped). The word lists folder also holds the office files (names, addresses)
# that an office folder gets as its resources/; those are not embedded.
qt_add_resources(kelvora_core kelvora_styles PREFIX "/styles" BASE styles OPTIONS --no-compress
    FILES styles/login.qss styles/mainwindow.qss)
qt_add_resources(kelvora_core kelvora_wordlists PREFIX "/resources" BASE wordlists OPTIONS --no-compress
    FILES wordlists/liste_antegr.txt wordlists/liste_antelc.txt wordlists/liste_diagnostique.txt
          wordlists/liste_motif.txt wordlists/liste_ordonnance.txt wordlists/liste_traitement.txt
          wordlists/prenom.txt)
