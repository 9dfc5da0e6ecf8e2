/* What each header picture shows, one Polish sentence per picture, in the catalogue's voice.
   A screen reader says it for the picture; each is written for the picture as it is drawn. */
#include "catalogue/picture_descriptions.h"

/* clang-format off */
/* The form entry's first form: its row below and form 0 share this text. */
static const char formEntryFirst[] = "Ryjówka z zadartym ryjkiem kłusuje z ogonem w górze, niosąc na grzbiecie siodło z zielonych kwadratowych płytek mchu.";

const char *const pictureDescription[ENTRY_COUNT] = {
    "Ciemnoszary kret stoi na tylnych łapkach i unosi wysoko nad głową obie różowe, łopatowate dłonie.",                                         /* 387 Kopik */
    "Stary kret z glinianą płytą na czole idzie przygarbiony i dźwiga pod pachą szarą bryłę rudy w złote cętki.",                                /* 388 Kopalnik */
    "Beżowy papierowy latawiec z uśmiechniętą buzią ciągnie za sobą sznurek i ogon przewiązany czerwonymi i niebieskimi kokardkami.",            /* 389 Wietrzyk */
    "Mała niebieska meduza unosi się nad swoim cieniem, zwieszając dwie żółte, zygzakowate macki jak iskry.",                                    /* 390 Parzyk */
    "Duża niebieska meduza o kopule nakrapianej żółtymi światełkami ciągnie gąszcz szarych macek przetykanych żółtymi błyskami.",                /* 391 Parzyblask */
    "Oliwkowa larwa traszki z wielkimi oczami drepcze na czterech drobnych nóżkach, a za nią ciągnie się jasny, płetwiasty ogon.",               /* 392 Trasik */
    "Jaskrawopomarańczowa traszka kroczy z uniesioną głową, a wzdłuż jej boku biegnie rząd czerwonych plamek.",                                  /* 393 Traszyn */
    "Oliwkowa traszka o pomarańczowym brzuchu płynie, puszczając z pyska bąbelki, a wzdłuż grzbietu i ogona faluje jej wysoki grzebień.",        /* 394 Trasomor */
    "Kłębek białego gęsiego puchu z oczkami i różowymi policzkami wystawia sztywną stosinę pióra i gubi w locie pojedyncze piórka.",             /* 395 Pierzynek */
    "Szara huba jak końskie kopyto wyrasta z brzozowego patyka, patrzy spod żarzącego się pomarańczowo brzegu i puszcza smużkę dymu.",           /* 396 Hubik */
    "Złamany brzozowy pień na korzeniach niesie piętra szarych hub żarzących się od spodu, a w jego wydrążonym szczycie tli się węgielek.",      /* 397 Hubostol */
    "Płaski szary kamień polny w czapeczce z zielonego mchu, z żółtą plamką porostu, uśmiecha się na krótkich nóżkach.",                         /* 398 Murek */
    "Stos kamieni przepasany zielonym mchem macha w górę jedną ręką zakończoną okrągłym kamieniem.",                                             /* 399 Murowal */
    "Okrągła owczarnia z suchych kamieni kroczy na kamiennych nogach, patrzy żółtymi oczami znad drewnianej furtki, a zza muru wygląda jagnię.", /* 400 Murogrom */
    "Marmurkowa oliwkowa ryba o szerokiej głowie zwiesza spod brody jeden cienki wąsik i czai się tuż pod bladoniebieską taflą lodu.",           /* 401 Podlodek */
    "Mały okrągły gronostaj, brązowy z białym brzuszkiem, siedzi prosto, a na końcach jego wąsów wiszą kropelki szronu.",                        /* 402 Szronik */
    "Smukły biały gronostaj wygina grzbiet w łuk, przeskakując nad zaspą, a wokół niego wirują płatki śniegu.",                                  /* 403 Szronostaj */
    "Płowy kłębek kurzu z listkiem na czubku wiruje na szpiczastym spodzie wśród smug pyłu i okruchów ziemi.",                                   /* 404 Pylik */
    "Piaskowy lej z pierścieni pyłu kręci się z uśmiechem, rozrzucając wokół źdźbła słomy i drobne grudki.",                                     /* 405 Pylowir */
    "Wysoki wir kurzu o zmrużonych żółtych oczach wyrasta z kręgu grud i unosi wokół siebie kamienie i kulę suchych ziół.",                      /* 406 Pylozawier */
    "Szare kowadło z buzią stoi na czterech krępych nogach, a jego ogon wygina się w górę i kończy młotem sypiącym iskry.",                      /* 407 Kowadrak */
    "Strach na wróble w spiczastym kapeluszu rozkłada ręce na drągu, ma żółtą twarz z worka i zieloną kapotę z czerwoną łatą.",                  /* 408 Strachun */
    "Zielony pajączek zwisa głową w dół na nitce przyczepionej do gałązki z dwoma listkami.",                                                    /* 409 Snujek */
    "Zielony pająk z żółtymi pręgami na odwłoku siedzi pośrodku ośmiokątnej szarej sieci, rozstawiając pręgowane nogi.",                         /* 410 Snujarz */
    "Wielki czarny pająk wychyla się z szarego lejka pajęczyny, łypiąc rzędem czerwonych oczu i wysuwając jasne kły.",                           /* 411 Snujmrok */
    "Brązowa ryjówka z długim ryjkiem drepcze przed siebie, a na jej gołym różowym grzbiecie rysuje się siatka pączków płytek.",                 /* 412 Kafelek */
    formEntryFirst,                                                                                                                              /* 413 Kafelica */
    "Czarna ryjówka, lśniąca jak mokry łupek, wygrzebuje ryjkiem białą larwę pod złotym rogalikiem księżyca i dwiema gwiazdkami.",               /* 414 Kafelun */
    "Zielony pęd chmielu o sennej buzi owija się wokół tyczki i rozkłada na boki dwa duże liście w kształcie serca.",                            /* 415 Chmielik */
    "Bujne pnącze chmielu z sennie uśmiechniętą głową obwieszone jest bladozielonymi, papierowymi szyszkami.",                                   /* 416 Chmielina */
    "Ceglastoczerwony gekon przywiera rozczapierzonymi palcami do ciemnej, rozgrzanej cegły z żarzącymi się żółtymi rysami.",                    /* 417 Ceglik */
    "Pulchne pisklę w brązowo-kremowe paski stoi na krótkich szarych nogach i patrzy wielkim czarnym okiem.",                                    /* 418 Kazuarek */
    "Młody brązowy ptak o długiej szarej szyi i małym rogowym guzie na głowie kroczy na wysokich, sękatych nogach.",                             /* 419 Kazuaryn */
    "Czarny ptak z niebieską szyją i czerwonymi koralami szarżuje z nisko opuszczoną głową, a z jego rogowego hełmu lecą strzępy paproci.",      /* 420 Kazuarog */
    "Żółta gąbka morska z trzema kominami siedzi na szarym kamieniu, a z ciemnego otworu pośrodku patrzą dwa oczka.",                            /* 421 Gabczyk */
    "Wysoka żółta gąbka złożona z trzech otwartych rur, najeżona szklistymi igłami, stoi na krótkich szarych stopach.",                          /* 422 Gabczar */
    "Zielony ryjkowiec o wysokiej, lśniącej kopule grzbietu ściska przednimi nogami liść zwinięty ciasno jak cygaro.",                           /* 423 Zwijak */
    "Mała zielona żabka siedzi przysadziście, a po bokach tułowia ma złożone żółte fałdy skóry.",                                                /* 424 Rzekotek */
    "Zielona żaba skacze na ukos, rozpościerając między łapami szeroki żółty żagiel skóry, a pod gardłem nosi małą kryzę.",                      /* 425 Rzekotniak */
    "Żaba szybuje z rozpostartymi kończynami, a między nimi napinają się szerokie żółte błony w zielone cętki.",                                 /* 426 Rzekotolot */
    "Czarna żeliwna pompa o mosiężnych, okrągłych oczach stoi na kamiennym korycie, unosi rączkę jak ramię i leje wodę z wylewki.",              /* 427 Pompak */
    "Kopczyk szarych kamieni, z górnym unoszącym się nad fioletową poświatą, patrzy ze szczeliny jednym fioletowym okiem.",                      /* 428 Stosik */
    "Wysoki kopiec płaskich kamieni znaczonych bladymi znakami unosi obok siebie dwie szare kamienne dłonie.",                                   /* 429 Stosowid */
    "Mały niebieski ślimak pełznie płasko przed siebie, dźwigając na grzbiecie niewielką brązową muszlę zwiniętą w spiralę.",                    /* 430 Blotek */
    "Niebieski ślimak z czułkami rozstawionymi w literę V niesie dużą, okrągłą brązową muszlę w spiralne prążki.",                               /* 431 Blotniak */
    "Niebieski ślimak dźwiga wysoką, spiczastą muszlę w kształcie wieżyczki, obrośniętą ciemnymi małżami.",                                      /* 432 Blotomusz */
    "Mała rdzawa płaszczka leży wtulona w piasek i wystawia nad niego tylko wielkie, błyszczące oczy.",                                          /* 433 Plaszek */
    "Brązowa płaszczka o falbaniastym brzegu rozkłada się na grzbiecie wydmy i zwiesza długi ogon z fioletowym kolcem.",                         /* 434 Plaszczur */
    "Liliowobiałe puszyste jagniątko o sennie przymrużonych oczach nosi na runie żółty sierp księżyca.",                                         /* 435 Senowca */
    "Ciemnoszary wilczek siedzi grzecznie na zadzie, stawia uszy i patrzy wielkimi, błyszczącymi oczami.",                                       /* 436 Wilczek */
    "Smukły grafitowy wilk stoi na długich łapach z pyskiem zadartym ku niebu i wyje.",                                                          /* 437 Wilczar */
    "Granatowy wilk skrada się nisko, a na karku, grzbiecie i końcu ogona sterczą mu błękitne lodowe kolce.",                                    /* 438 Wilczomroz */
    "Okrągły zielony kaktus z żółtym kwiatkiem na czubku i wieńcem jasnych kolców stoi na dwóch brązowych stópkach.",                            /* 439 Beczik */
    "Duży kulisty kaktus w żółtych kwiatach toczy się z zaciętą miną, zostawiając za sobą tuman piasku.",                                        /* 440 Beczkowal */
    "Miedziany czajniczek z płomykiem na pokrywce stoi na żółtych nóżkach i wypuszcza z dzióbka kłęby pary.",                                    /* 441 Samowik */
    "Kamienny lew o kędzierzawej grzywie i żółtych oczach siedzi na postumencie, a w jego szczelinach rośnie mech.",                             /* 442 Strazlew */
    "Świetlik o przejrzystych skrzydłach fruwa nisko, a jego odwłok świeci wielką żółtą kulą światła.",                                          /* 443 Swietlak */
    "Mały lori o ogromnych ciemnych oczach w brązowych obwódkach tuli się do ukośnej gałązki z listkiem.",                                       /* 444 Lorik */
    "Lori pełznie wzdłuż gałęzi, unosi zgiętą łapę do pyska i liże różowym językiem fioletowy gruczoł przy łokciu.",                             /* 445 Lorizar */
    "Kulka splecionej wikliny patrzy z ciemnego wnętrza dwojgiem oczu, a z jej splotu wyrastają zielone pędy.",                                  /* 446 Wiklik */
    "Źrebię uplecione z płowej wikliny stoi na czterech prostych nogach, a z karku wyrastają mu zielone listki.",                                /* 447 Wiklogon */
    "Wiklinowy koń staje dęba, podkulając przednie kopyta, a wzdłuż jego szyi zieleni się grzywa z liści.",                                      /* 448 Wiklomar */
    "Okrągła gruda brązowej ziemi ze źdźbłami ścierniska na czubku podskakuje, gubiąc okruchy, a z jej boku wystaje różowa dżdżownica.",         /* 449 Skibek */
    "Kolczasta zielona rozeta liści trzyma w środku kałużkę rosy, z której wygląda mała okrągła buzia.",                                         /* 450 Szczecik */
    "Wysoka łodyga z parami kolczastych liści wznosi w dwóch ramionach jajowate, kolczaste główki z liliowym pasem.",                            /* 451 Szczeciarz */
    "Kremowy pędrak z brązową główką leży zwinięty w podkowę na grudce brązowej ziemi.",                                                         /* 452 Chrobik */
    "Zielony chrząszcz o tarczy w kształcie rombu, z jaśniejszym trójkątem pośrodku, rozstawia sześć nóg i dwa czułki.",                         /* 453 Chrobak */
    "Oliwkowy chrząszcz o kamiennych płytkach na grzbiecie wyskakuje z obłoczka kurzu i fika koziołka w powietrzu.",                             /* 454 Chroboskal */
    "Drewniane wiadro w żelaznych obręczach, pełne wody, łypie z niej oczami, zwiesza postrzępiony sznur i gubi kroplę.",                        /* 455 Studnik */
    "Pomarańczowa żywica spływa po kawałku kory i zbiera się u dołu w kroplę z buzią, a wokół skaczą żółte iskierki.",                           /* 456 Jantik */
    "Kanciasta bryła bursztynu kroczy na czterech krótkich nogach, z listkiem zatopionym w środku i iskrami wokół.",                             /* 457 Jantarel */
    "Wielka bursztynowa bestia z nitkami żywicy sterczącymi na grzbiecie nosi w piersi uwięzionego owada i sypie iskrami.",                      /* 458 Jantarok */
    "Rozeta ząbkowanych liści w czerwone żyłki pływa po wodzie z buzią i białym kwiatkiem, a pod nią wisi czarny rogaty orzech.",                /* 459 Kotewnik */
    "Krótka, guzowata rurka ze stopionego piasku stoi krzywo na trzech sękatych nogach, a z jej ciemnozielonego wnętrza patrzą żółte oczy.",     /* 460 Szklik */
    "Wielki rozgałęziony korzeń ze szkliwionego piasku rozkłada krzywe odnogi, patrzy żółtymi oczami z otworu na szczycie i ciska iskrami.",     /* 461 Szkliwiec */
    "Lodowoniebieska sarenka leży z podwiniętymi nogami, a na jej grzbiecie lśnią białe kryształowe plamki.",                                    /* 462 Szadzik */
    "Młody lodowoniebieski jeleń stoi na smukłych nogach, a spomiędzy jego uszu wyrastają małe lodowe różki.",                                   /* 463 Szadzirog */
    "Lodowoniebieski jeleń stoi dumnie pod szerokim, rozgałęzionym porożem z przejrzystych kryształów lodu.",                                    /* 464 Szadzielen */
    "Niebieskie pisklę czapli z nastroszonym czubkiem siedzi w plecionym gnieździe i wyciąga długi pomarańczowy dziób.",                         /* 465 Czaplik */
    "Pulchna niebieska czapla brodzi w płytkiej kałuży na cienkich pomarańczowych nogach.",                                                      /* 466 Czaplobrod */
    "Niebieska czapla leci z wysoko uniesionym skrzydłem, cofniętą szyją i nogami wyciągniętymi daleko w tył.",                                  /* 467 Czaplosiwa */
    "Oliwkowy, podłużny strąk z dwoma listkami na czubku unosi się pionowo na wodzie i kołysze wśród kręgów fal.",                               /* 468 Namorek */
    "Młode drzewko o okrągłej koronie stoi w płytkiej wodzie na trzech wygiętych korzeniach jak na szczudłach.",                                 /* 469 Namorzec */
    "Rozłożyste drzewo z twarzą na pniu stoi w wodzie na klatce łukowatych korzeni, wśród których chowa się niebieska rybka.",                   /* 470 Namorzyn */
    "Pulchny borsuczek na krótkich nóżkach wyciąga przed siebie nos, a jego duży łeb zdobią czarne i białe pasy.",                               /* 471 Borsik */
    "Krępy, garbaty szary borsuk stoi mocno na pazurzastych łapach i wysuwa naprzód pasiasty łeb o żółtych oczach.",                             /* 472 Borsugor */
    "Srebrzystoszare szczenię foki leży na piasku, okrągłe jak poduszka, i patrzy ogromnymi czarnymi oczami.",                                   /* 473 Foczek */
    "Smukła szara foka podpiera się na przednich płetwach na piasku i patrzy wielkimi oczami spod długich, jasnych wąsów.",                      /* 474 Foczan */
    "Ogromny stary samiec foki leży ciężko z nosem zwisającym jak trąba, oblepiony piaskiem, a przy jego piersi zwinęło się małe szczenię.",     /* 475 Foczysko */
    "Młody leniwiec wisi na gałęzi na obu wyciągniętych łapach, a w jego brązowym futrze rosną zielone listki.",                                 /* 476 Leniwczyk */
    "Smukły oliwkowy ptaszek w rudej czapeczce siedzi na gałązce z ogonem zadartym pionowo i trzyma w dziobie pętlę pajęczej nici.",             /* 477 Nitek */
    "Oliwkowy ptak w rudej czapeczce ciągnie dziobem nić i zszywa wielki liść w sakiewkę zawieszoną na gałązce.",                                /* 478 Nitkarka */
    "Krępa latarnia morska w czerwono-białe pasy patrzy jednym okiem ze szczytu i rzuca na boki żółte snopy światła.",                           /* 479 Latarnik */
    "Kremowy wieloryb płynie spokojnie, wypuszczając niebieską fontannę, a na grzbiecie niesie rafę z czerwonych koralowców i wodorostów.",      /* 480 Rafowal */
    "Szary głaz na krępych nogach nosi na szczycie sadzawkę z czerwonym ukwiałem i wodorostem, a woda przelewa mu się przez brzeg.",             /* 481 Sadzawnik */
    "Bladoniebieska ryba o spiczastym pysku z wąsikami płynie w bok, a z rzędów lodowych tarczek na jej grzbiecie odpryskują okruchy.",          /* 482 Jesiolod */
    "Rdzawy jeleń wierzga w skoku, a na końcach jego poroża i na ogonie płoną żółte płomyki.",                                                   /* 483 Zarorog */
    "Kępa zielonych trzcinowych piszczałek z buzią pośrodku wygwizduje niebieskie nutki, a nad nią kołyszą się dwie płowe kiście nasion.",       /* 484 Fujarnik */
    "Fioletowoczarna ćma rozkłada skrzydła z wielkimi żółtymi oczkami i stoi prosto na cienkich nogach.",                                        /* 485 Zmierzchun */
    "Granatowa płaszczka w żółte zygzaki szybuje nad ziemią, a jej długi ogon kończy się błyskawicą.",                                           /* 486 Dretwal */
    "Bladofioletowa, przejrzysta galareta w kształcie kropli skrywa w środku świecącą gwiazdkę, a wokół niej lśnią bąbelki.",                    /* 487 Gwiezdnik */
    "Zakapturzony strażnik z torfu i pałek wodnych stoi w kłębach mgły, trzyma kij z zieloną latarnią i świeci bladymi oczami.",                 /* 488 Bagiennik */
    "Niskie brązowe zwierzę o płaskim pysku niesie na grzbiecie garb zielonej darni nabity rdzawymi grudkami rudy, z którego sterczą trzciny.",  /* 489 Rudawiec */
    "Zielony żuraw złożony z papieru unosi ostro zagięte skrzydła, a czubek jego głowy jest czerwony.",                                          /* 490 Zurawik */
    "Brązowy gliniany wół o szeroko zakręconych rogach stoi na krótkich nogach, a z grzbietu wyrasta mu zielony pęd.",                           /* 491 Glinotur */
    "Owad o szarych, nakrapianych skrzydłach i czerwonym tułowiu wysuwa przed siebie długi, jarzący się pomarańczowo ryj.",                      /* 492 Lampiarz */
    "Fioletowy smok śpi zwinięty u stóp ośnieżonego szczytu, ze złożonymi skrzydłami, i wypuszcza nosem obłoczki dymu.",                         /* 493 Smokodrzem */
};

const char *const formPictureDescription[FORM_COUNT] = {
    formEntryFirst,                                                                                                                              /* form 0 */
    "Ryjówka kłusuje z uniesioną głową, a jej grzbiet okrywa mozaika pomarańczowych płytek z wypalonej gliny.",                                  /* form 1 */
    "Ryjówka kroczy z dumnie podniesionym ryjkiem pod szarym siodłem z żelaznych płytek, tu i ówdzie tkniętych rdzą.",                           /* form 2 */
};
/* clang-format on */
