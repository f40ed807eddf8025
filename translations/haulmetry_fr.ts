<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>hm::CAboutDlg</name>
    <message>
        <source>About Haulmetry</source>
        <translation>À propos de Haulmetry</translation>
    </message>
    <message>
        <source>Haulmetry Version %1</source>
        <translation>Haulmetry version %1</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licence : GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure, sans aucune garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>hm::CHaulApp</name>
    <message>
        <source>The running Haulmetry window is busy; %1 was not opened.</source>
        <translation>La fenêtre Haulmetry en cours est occupée ; %1 n'a pas été ouvert.</translation>
    </message>
    <message>
        <source>haulmetry: the running copy did not take the file: %1</source>
        <translation>haulmetry : le programme en cours n'a pas repris le fichier : %1</translation>
    </message>
    <message>
        <source>Haulmetry cannot write the trace file %1: %2. The link is not traced to a file.</source>
        <translation>Haulmetry ne peut pas écrire le fichier de trace %1 : %2. La liaison n'est pas tracée dans un fichier.</translation>
    </message>
    <message>
        <source>Haulmetry cannot set up its single-instance lock: %1</source>
        <translation>Haulmetry ne peut pas mettre en place son verrou d'instance unique : %1</translation>
    </message>
</context>
<context>
    <name>hm::CInfo</name>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Interim Values</source>
        <translation>Valeurs intermédiaires</translation>
    </message>
</context>
<context>
    <name>hm::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Fermer	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>Zoom &amp;avant	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Zoom a&amp;rrière	Ctrl+-</translation>
    </message>
    <message>
        <source>Fit &amp;Width	Ctrl+0</source>
        <translation>Ajuster à la &amp;largeur	Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
</context>
<context>
    <name>hm::CPrintGraphView</name>
    <message>
        <source>The page could not be printed on %1.</source>
        <translation>La page n'a pas pu être imprimée sur %1.</translation>
    </message>
</context>
<context>
    <name>hm::Language</name>
    <message>
        <source>--language needs a language code, such as de or fr</source>
        <translation>--language attend un code de langue, par exemple de ou fr</translation>
    </message>
    <message>
        <source>no translation for the language '%1' (there are: en %2)</source>
        <translation>aucune traduction pour la langue '%1' (disponibles : en %2)</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceModel</name>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Temps (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceView</name>
    <message>
        <source>Link Trace</source>
        <translation>Trace de liaison</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Enregistrer la trace de liaison</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The link trace was not saved: %1.</source>
        <translation>La trace de liaison n'a pas été enregistrée : %1.</translation>
    </message>
</context>
<context>
    <name>hm::PageLayout</name>
    <message>
        <source>Not Set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>hm::PageRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d'écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot draw the page</source>
        <translation>impossible de dessiner la page</translation>
    </message>
    <message>
        <source>cannot encode the image</source>
        <translation>impossible d'encoder l'image</translation>
    </message>
</context>
<context>
    <name>hm::QtFileUi</name>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Haulmetry Data Files (*.asc)</source>
        <translation>Fichiers de données Haulmetry (*.asc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>hm::ReportMenu</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The report was not saved: %1.</source>
        <translation>Le rapport n'a pas été enregistré : %1.</translation>
    </message>
    <message>
        <source>The report was not printed: %1</source>
        <translation>Le rapport n'a pas été imprimé : %1</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>Enregistrer le &amp;rapport en PDF...</translation>
    </message>
    <message>
        <source>Print &amp;All Pages...</source>
        <translation>Imprimer &amp;toutes les pages...</translation>
    </message>
</context>
<context>
    <name>hm::ReportPages</name>
    <message>
        <source>ECU Type</source>
        <translation>Type d'ECU</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Stability Records</source>
        <translation>Enregistrements de stabilité</translation>
    </message>
    <message>
        <source>Summary Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Fleet Data Report</source>
        <translation>Rapport des données de flotte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>hm::ReportRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d'écrire %1 : %2</translation>
    </message>
    <message>
        <source>Fleet Data Report %1</source>
        <translation>Rapport des données de flotte %1</translation>
    </message>
    <message>
        <source>cannot draw the pages</source>
        <translation>impossible de dessiner les pages</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>impossible de commencer une nouvelle page</translation>
    </message>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>L'imprimante ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>L'imprimante a signalé une erreur.</translation>
    </message>
</context>
<context>
    <name>hm::str</name>
    <message>
        <source>&amp;About Haulmetry...</source>
        <comment>101</comment>
        <translation>&amp;À propos de Haulmetry...</translation>
    </message>
    <message>
        <source> </source>
        <comment>202</comment>
        <translation> </translation>
    </message>
    <message>
        <source>1.  Average Braking Time v Peak Demand Pressure</source>
        <comment>203</comment>
        <translation>1.  Durée moy. de freinage / pression de commande max.</translation>
    </message>
    <message>
        <source>2.  Number of Brake Applications v Peak Demand Pressure</source>
        <comment>204</comment>
        <translation>2.  Nombre de freinages / pression de commande max.</translation>
    </message>
    <message>
        <source>3.  Total Braking Time v Peak Demand Pressure</source>
        <comment>205</comment>
        <translation>3.  Durée totale de freinage / pression de commande max.</translation>
    </message>
    <message>
        <source>4.  Average Pressure v Braking Start Speed</source>
        <comment>206</comment>
        <translation>4.  Pression moyenne / vitesse en début de freinage</translation>
    </message>
    <message>
        <source>5.  Number of of Brake Applications v Braking Start Speed</source>
        <comment>207</comment>
        <translation>5.  Nombre de freinages / vitesse en début de freinage</translation>
    </message>
    <message>
        <source>6.  Brake Applications v Distance</source>
        <comment>208</comment>
        <translation>6.  Freinages / distance</translation>
    </message>
    <message>
        <source>7.  ABS Events v Distance</source>
        <comment>209</comment>
        <translation>7.  Interventions ABS / distance</translation>
    </message>
    <message>
        <source>8.  Rollover Events v Distance</source>
        <comment>210</comment>
        <translation>8.  Risques de renversement / distance</translation>
    </message>
    <message>
        <source>9.  Distance v Percentage Load</source>
        <comment>211</comment>
        <translation>9.  Distance / pourcentage de charge</translation>
    </message>
    <message>
        <source>10. Distance v Reservoir Pressure</source>
        <comment>212</comment>
        <translation>10. Distance / pression réservoir</translation>
    </message>
    <message>
        <source>Stability Snapshot</source>
        <comment>213</comment>
        <translation>Instantané de stabilité</translation>
    </message>
    <message>
        <source> </source>
        <comment>214</comment>
        <translation> </translation>
    </message>
    <message>
        <source> 0         '          1         '          2          '         3         '          4          '          5         '          6         '          7          '          8</source>
        <comment>215</comment>
        <translation> 0         '          1         '          2          '         3         '          4          '          5         '          6         '          7          '          8</translation>
    </message>
    <message>
        <source> 0        10       20       30       40       50       60       70       80       90      100     110     120     130     140     150</source>
        <comment>216</comment>
        <translation> 0        10       20       30       40       50       60       70       80       90      100     110     120     130     140     150</translation>
    </message>
    <message>
        <source>3         '          4         '          5          '         6         '          7          '          8         '          9         '          10         '         11</source>
        <comment>217</comment>
        <translation>3         '          4         '          5          '         6         '          7          '          8         '          9         '          10         '         11</translation>
    </message>
    <message>
        <source> </source>
        <comment>218</comment>
        <translation> </translation>
    </message>
    <message>
        <source>(Bar)</source>
        <comment>219</comment>
        <translation>(Bar)</translation>
    </message>
    <message>
        <source>(Kph)</source>
        <comment>220</comment>
        <translation>(Kph)</translation>
    </message>
    <message>
        <source>(Each Bar represents 500 km)</source>
        <comment>221</comment>
        <translation>(Chaque barre représente 500 km)</translation>
    </message>
    <message>
        <source>(Percentage Load (100% = Fully Laden) )</source>
        <comment>222</comment>
        <translation>(Pourcentage de charge (100% = pleine charge) )</translation>
    </message>
    <message>
        <source> </source>
        <comment>223</comment>
        <translation> </translation>
    </message>
    <message>
        <source>(Bar)</source>
        <comment>224</comment>
        <translation>(Bar)</translation>
    </message>
    <message>
        <source>(Sec)</source>
        <comment>225</comment>
        <translation>(s)</translation>
    </message>
    <message>
        <source>(No.)</source>
        <comment>226</comment>
        <translation>(Nb)</translation>
    </message>
    <message>
        <source>(km)</source>
        <comment>227</comment>
        <translation>(km)</translation>
    </message>
    <message>
        <source>Save   ?</source>
        <comment>228</comment>
        <translation>Enregistrer   ?</translation>
    </message>
    <message>
        <source> Haulmetry</source>
        <comment>229</comment>
        <translation> Haulmetry</translation>
    </message>
    <message>
        <source>Select Data to Erase From ECU</source>
        <comment>230</comment>
        <translation>Choisir les données à effacer de l'ECU</translation>
    </message>
    <message>
        <source>Extended Fleet Information</source>
        <comment>231</comment>
        <translation>Informations de flotte étendues</translation>
    </message>
    <message>
        <source>Stability Snapshot Information</source>
        <comment>232</comment>
        <translation>Informations sur l'instantané de stabilité</translation>
    </message>
    <message>
        <source>Load Haulmetry Data From File</source>
        <comment>236</comment>
        <translation>Charger des données Haulmetry depuis un fichier</translation>
    </message>
    <message>
        <source>Save ECU Extended Fleet Data To File</source>
        <comment>237</comment>
        <translation>Enregistrer les données de flotte de l'ECU dans un fichier</translation>
    </message>
    <message>
        <source>Write To ECU</source>
        <comment>238</comment>
        <translation>Écrire dans l'ECU</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <comment>239</comment>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <source>Cancel without Updating ECU</source>
        <comment>240</comment>
        <translation>Annuler sans modifier l'ECU</translation>
    </message>
    <message>
        <source>Proceed with Write Operation</source>
        <comment>241</comment>
        <translation>Lancer l'écriture</translation>
    </message>
    <message>
        <source>Reload Data From ECU</source>
        <comment>242</comment>
        <translation>Recharger les données de l'ECU</translation>
    </message>
    <message>
        <source>View Next Graph</source>
        <comment>243</comment>
        <translation>Graphique suivant</translation>
    </message>
    <message>
        <source>View Previous Graph</source>
        <comment>244</comment>
        <translation>Graphique précédent</translation>
    </message>
    <message>
        <source>Select Info To Clear</source>
        <comment>245</comment>
        <translation>Choisir les infos à effacer</translation>
    </message>
    <message>
        <source>Write Current Extended Fleet Values To ECU</source>
        <comment>246</comment>
        <translation>Écrire les valeurs de flotte actuelles dans l'ECU</translation>
    </message>
    <message>
        <source>ECU Does Not Support Haulmetry</source>
        <comment>247</comment>
        <translation>L'ECU ne prend pas en charge Haulmetry</translation>
    </message>
    <message>
        <source> [ No Data Loaded ]</source>
        <comment>248</comment>
        <translation> [ Aucune donnée chargée ]</translation>
    </message>
    <message>
        <source> [ ECU Data ]</source>
        <comment>249</comment>
        <translation> [ Données de l'ECU ]</translation>
    </message>
    <message>
        <source>Information about this Graph</source>
        <comment>250</comment>
        <translation>Informations sur ce graphique</translation>
    </message>
    <message>
        <source>Preview/Print this Graph</source>
        <comment>252</comment>
        <translation>Aperçu/impression de ce graphique</translation>
    </message>
    <message>
        <source>Filename</source>
        <comment>260</comment>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Vehicle Ident Number</source>
        <comment>261</comment>
        <translation>N° d'identification du véhicule</translation>
    </message>
    <message>
        <source>ECU Data Saved At:</source>
        <comment>262</comment>
        <translation>Données ECU enregistrées le :</translation>
    </message>
    <message>
        <source>The duration of each brake application is recorded against the peak demand pressure. The data shows a graph of average time for a brake application in each of the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>265</comment>
        <translation>La durée de chaque freinage est enregistrée en fonction de la pression de commande maximale. Le graphique montre la durée moyenne d'un freinage dans chaque plage de pression de 0,5 Bar, de 0 à 8 Bar.</translation>
    </message>
    <message>
        <source>For each brake application, the peak demand pressure during the application is recorded. The data shows a graph of the number of brake applications for 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>266</comment>
        <translation>Pour chaque freinage, la pression de commande maximale atteinte pendant le freinage est enregistrée. Le graphique montre le nombre de freinages par plage de pression de 0,5 Bar, de 0 à 8 Bar.</translation>
    </message>
    <message>
        <source>The duration of each brake application is measured and used to update the total braking time for the peak demand pressure in the brake application. The data shows a graph of the cumulative braking time for the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>267</comment>
        <translation>La durée de chaque freinage est mesurée et ajoutée à la durée totale de freinage de sa pression de commande maximale. Le graphique montre la durée de freinage cumulée par plage de 0,5 Bar, de 0 à 8 Bar.</translation>
    </message>
    <message>
        <source>The peak demand pressure is monitored during each brake application and is then recorded against the speed measured at the start of the brake application.  The data shows a graph of average pressure for a brake application grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>268</comment>
        <translation>La pression de commande maximale est surveillée pendant chaque freinage puis enregistrée en fonction de la vitesse mesurée au début du freinage. Le graphique montre la pression moyenne d'un freinage par plages de 10 kph, de 0 à 160 kph.</translation>
    </message>
    <message>
        <source>For each brake application, the speed at the start of the brake application is recorded. The data shows a graph of the number of brake applications grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>269</comment>
        <translation>Pour chaque freinage, la vitesse au début du freinage est enregistrée. Le graphique montre le nombre de freinages par plages de 10 kph, de 0 à 160 kph.</translation>
    </message>
    <message>
        <source>The data shows the total number of brake applications that occurred in groups of 500km interval, and the number of those which occurred when the trailer was powered only by the 24N supply. (Total Graph Range is 14000 km).</source>
        <comment>270</comment>
        <translation>Le graphique montre le nombre total de freinages par tranche de 500 km, et le nombre de ceux effectués alors que la remorque n'était alimentée que par l'alimentation 24N (feux stop). (Étendue totale du graphique : 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of ABS events that have occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>271</comment>
        <translation>Le graphique montre le nombre total d'interventions ABS, regroupées par tranches de 500 km. (Étendue totale du graphique : 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of Rollover events that occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>272</comment>
        <translation>Le graphique montre le nombre total de risques de renversement, regroupés par tranches de 500 km. (Étendue totale du graphique : 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the how the vehicle load has changed with distance. At the end of each Km travelled, the suspension pressure is recorded as a percentage (0% = Unladen, 100% = Fully Laden). In this way a 'Load Profile' is built up.</source>
        <comment>273</comment>
        <translation>Le graphique montre l'évolution de l'état de charge du véhicule avec la distance. À la fin de chaque km parcouru, la pression de suspension est enregistrée en pourcentage (0% = à vide, 100% = pleine charge). On obtient ainsi un 'profil de charge'.</translation>
    </message>
    <message>
        <source>The data shows the how the reservoir pressure has changed with distance. At the end of each Km travelled, the reservoir pressure in 0.5 Bar steps is recorded.</source>
        <comment>274</comment>
        <translation>Le graphique montre l'évolution de la pression réservoir avec la distance. À la fin de chaque km parcouru, la pression réservoir est enregistrée par pas de 0,5 Bar.</translation>
    </message>
    <message>
        <source>The stability snapshot records the output of the stability sensor together with the system parameters and signal states at the moment the ECU detected a stability event. The ECU keeps up to 32 snapshots.</source>
        <comment>275</comment>
        <translation>L'instantané de stabilité enregistre le signal du capteur de stabilité ainsi que les paramètres du système et l'état des signaux au moment où l'ECU a détecté un événement de stabilité. L'ECU conserve jusqu'à 32 instantanés.</translation>
    </message>
    <message>
        <source> Print Preview</source>
        <comment>277</comment>
        <translation> Aperçu avant impression</translation>
    </message>
    <message>
        <source>Trying To Connect...</source>
        <comment>278</comment>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Display Information</source>
        <comment>279</comment>
        <translation>Afficher les informations</translation>
    </message>
    <message>
        <source>Stability Snaphot</source>
        <comment>281</comment>
        <translation>Instantané de stabilité</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>282</comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Stability Sensor Output</source>
        <comment>283</comment>
        <translation>Signal du capteur de stabilité</translation>
    </message>
    <message>
        <source>Time Since Startup (HH:MM:SS)</source>
        <comment>284</comment>
        <translation>Temps depuis démarrage (HH:MM:SS)</translation>
    </message>
    <message>
        <source>SYSTEM PARAMETERS</source>
        <comment>285</comment>
        <translation>PARAMÈTRES SYSTÈME</translation>
    </message>
    <message>
        <source>Odometer</source>
        <comment>286</comment>
        <translation>Odomètre</translation>
    </message>
    <message>
        <source>Voltage</source>
        <comment>287</comment>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Reservoir Pressure</source>
        <comment>288</comment>
        <translation>Pression réservoir</translation>
    </message>
    <message>
        <source>Suspension Pressure</source>
        <comment>289</comment>
        <translation>Pression de suspension</translation>
    </message>
    <message>
        <source>ISO Demand Pressure</source>
        <comment>290</comment>
        <translation>Pression de commande ISO</translation>
    </message>
    <message>
        <source>Control Line Pressure</source>
        <comment>291</comment>
        <translation>Pression conduite de commande</translation>
    </message>
    <message>
        <source>Vehicle Speed</source>
        <comment>292</comment>
        <translation>Vitesse du véhicule</translation>
    </message>
    <message>
        <source>SYSTEM SETTINGS</source>
        <comment>293</comment>
        <translation>ÉTATS DU SYSTÈME</translation>
    </message>
    <message>
        <source>Red Lamp Signal</source>
        <comment>294</comment>
        <translation>Signal témoin rouge</translation>
    </message>
    <message>
        <source>Cab Lamp Signal</source>
        <comment>295</comment>
        <translation>Signal témoin cabine</translation>
    </message>
    <message>
        <source>Service Lamp Signal</source>
        <comment>296</comment>
        <translation>Signal témoin entretien</translation>
    </message>
    <message>
        <source>Stop Light Power</source>
        <comment>297</comment>
        <translation>Alimentation feux stop</translation>
    </message>
    <message>
        <source>Brake Apply</source>
        <comment>298</comment>
        <translation>Freinage actif</translation>
    </message>
    <message>
        <source>View and Print Stability Data</source>
        <comment>299</comment>
        <translation>Afficher et imprimer les données de stabilité</translation>
    </message>
    <message>
        <source>No Interim Data for this graph</source>
        <comment>303</comment>
        <translation>Pas de valeurs intermédiaires</translation>
    </message>
    <message>
        <source>Number of 500km intervals</source>
        <comment>305</comment>
        <translation>Nombre de tranches de 500 km</translation>
    </message>
    <message>
        <source>Km(s) in current interval (0..500)</source>
        <comment>307</comment>
        <translation>Km dans la tranche en cours (0..500)</translation>
    </message>
    <message>
        <source>Brake Apps in current interval</source>
        <comment>308</comment>
        <translation>Freinages dans la tranche en cours</translation>
    </message>
    <message>
        <source>SLP Brake Apps in current interval</source>
        <comment>309</comment>
        <translation>Freinages SLP dans la tranche en cours</translation>
    </message>
    <message>
        <source>ABS Events in current interval</source>
        <comment>311</comment>
        <translation>Interventions ABS, tranche en cours</translation>
    </message>
    <message>
        <source>Rollover Events in current interval</source>
        <comment>313</comment>
        <translation>Renversements, tranche en cours</translation>
    </message>
    <message>
        <source>Working Offline</source>
        <comment>314</comment>
        <translation>Travail hors ligne</translation>
    </message>
    <message>
        <source>!! Application Already Running !!</source>
        <comment>315</comment>
        <translation>!! L'application est déjà lancée !!</translation>
    </message>
    <message>
        <source>Failed To Connect To ECU - Retry ?</source>
        <comment>316</comment>
        <translation>Échec de connexion à l'ECU - Réessayer ?</translation>
    </message>
    <message>
        <source>Load from Dir - </source>
        <comment>317</comment>
        <translation>Charger depuis le dossier - </translation>
    </message>
    <message>
        <source>Save To Dir - </source>
        <comment>318</comment>
        <translation>Enregistrer dans le dossier - </translation>
    </message>
    <message>
        <source>Stability Data Only</source>
        <comment>319</comment>
        <translation>Données de stabilité seules</translation>
    </message>
    <message>
        <source> [ ***  File Error  *** ]</source>
        <comment>320</comment>
        <translation> [ ***  Erreur de fichier  *** ]</translation>
    </message>
    <message>
        <source> [ File: </source>
        <comment>321</comment>
        <translation> [ Fichier : </translation>
    </message>
    <message>
        <source>Not Connected</source>
        <comment>322</comment>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>323</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No Data</source>
        <comment>324</comment>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>1127</comment>
        <translation>janv</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>1128</comment>
        <translation>févr</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>1129</comment>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>1130</comment>
        <translation>avr</translation>
    </message>
    <message>
        <source>May</source>
        <comment>1131</comment>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>1132</comment>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>1133</comment>
        <translation>juil</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>1134</comment>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>1135</comment>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>1136</comment>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>1137</comment>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>1138</comment>
        <translation>déc</translation>
    </message>
</context>
</TS>
