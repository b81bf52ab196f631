#include "data/GuideContent.h"

#include <QDate>
#include <QLocale>

// The Survival Guide's chapter texts. Written for a reader at about a fifth
// grade level: short sentences, short words. Bodies carry no links and no
// phone numbers beyond 911, 988, 211 and Poison Help; the listings hold the
// rest. Every source address was read, or seen cited on a page that was
// read, when the guide was checked; all are https.

namespace GuideContent {

QList<GuideChapter> writtenChapters()
{
    QList<GuideChapter> chapters;
    chapters.reserve(13);

    chapters.append({
        1,
        QStringLiteral("You Are Not Alone: Your First Three Calls"),
        QStringLiteral(
            "Losing your home is hard. You do not have to face it alone.\n"
            "\n"
            "## Three calls that can help today\n"
            "• **Dial 211** for help near you with food, a place to stay, bills and health care. It is open day and night.\n"
            "• **Call or text 988** if you feel hopeless, scared or in crisis.\n"
            "• **Veterans:** call the **National Call Center for Homeless Veterans** for help with housing. Search for **Veterans** to find its number.\n"
            "\n"
            "## Keep your numbers safe\n"
            "• Write these numbers on paper. Phones get lost or run out of charge.\n"
            "• Keep one copy in your wallet and one in your car.\n"
            "• Print **My Resources Sheet**. It puts the main numbers for your state on one page.\n"
            "\n"
            "Asking for help is brave. Take one step at a time. You can do this."),
        {
            {QStringLiteral("United Way, What is 2-1-1?"),
             QStringLiteral("https://www.lauw.org/2-1-1")},
            {QStringLiteral("988 Suicide & Crisis Lifeline, What to Expect"),
             QStringLiteral("https://988lifeline.org/get-help/what-to-expect")},
            {QStringLiteral("Psychiatric Services, Preventing Homelessness Through the National Call Center for Homeless Veterans"),
             QStringLiteral("https://psychiatryonline.org/doi/abs/10.1176/appi.ps.20220124")},
        },
    });

    chapters.append({
        2,
        QStringLiteral("Staying Safe Where You Sleep"),
        QStringLiteral(
            "Where you sleep matters. A safe spot and fresh air can save your life.\n"
            "\n"
            "## Know the rules where you park\n"
            "• Rules are not the same in every state and city.\n"
            "• Some states let you rest at a **rest area** for a few hours. Read the signs.\n"
            "• Many cities have laws against sleeping or camping in a car on the street.\n"
            "• On federal land, such as a national forest, the limit is often **14 days** in one spot. Then you must move on.\n"
            "• Stores decide store by store. Ask the manager before you park for the night.\n"
            "\n"
            "## Carbon monoxide: a hidden danger\n"
            "• **Carbon monoxide** is a gas you cannot see or smell. It can kill you in your sleep.\n"
            "• Never use a gas stove, grill or camp heater inside a closed car, van or RV.\n"
            "• Do not sleep with the engine on. Snow or mud can block the tailpipe.\n"
            "• Get a carbon monoxide alarm that runs on batteries.\n"
            "• Have a mechanic check your exhaust once a year.\n"
            "! A headache, feeling dizzy, sick or sleepy can mean carbon monoxide. Get to fresh air and call 911.\n"
            "\n"
            "## Stay in touch\n"
            "• Tell someone you trust where you park each night.\n"
            "• Keep your phone charged and your doors locked.\n"
            "• If you feel unsafe, drive to a bright, busy place."),
        {
            {QStringLiteral("USDA Forest Service, Arapaho and Roosevelt NF: Forest Camping Stay Limit"),
             QStringLiteral("https://www.fs.usda.gov/r02/arp/alerts/forest-camping-stay-limit")},
            {QStringLiteral("USDA Forest Service, Boise NF: Occupancy and Use"),
             QStringLiteral("https://www.fs.usda.gov/r04/boise/alerts/occupancy-and-use")},
            {QStringLiteral("LegalClarity, What States Allow Sleeping in Rest Areas?"),
             QStringLiteral("https://legalclarity.org/what-states-allow-sleeping-in-rest-areas")},
            {QStringLiteral("Kids and Car Safety, Carbon Monoxide Safety Tips"),
             QStringLiteral("https://www.kidsandcars.org/carbon-monoxide/safety-tips")},
        },
    });

    chapters.append({
        3,
        QStringLiteral("Staying Warm and Staying Cool"),
        QStringLiteral(
            "Cold and heat can make you very sick, fast. Know the signs.\n"
            "\n"
            "## Cold: watch for hypothermia\n"
            "Hypothermia means the body is too cold. Signs are shaking, feeling very tired, fumbling hands, slurred speech, memory loss and confusion.\n"
            "• Get to a warm place. Take off wet clothes.\n"
            "• Warm the chest, neck, head and groin first. Use dry blankets.\n"
            "• Give warm drinks only if the person is awake. No alcohol.\n"
            "• If the person is confused or will not wake up, call 911.\n"
            "\n"
            "## Heat: know the two kinds of heat sickness\n"
            "**Heat exhaustion:** heavy sweat, cool and clammy skin, a fast weak pulse, feeling sick, dizzy or faint.\n"
            "• Move to a cool place. Loosen clothes. Sip water. Use cool, wet cloths.\n"
            "• Get help if you throw up, feel worse, or still feel sick after an hour.\n"
            "**Heat stroke:** a body temperature over **103°F**, hot red skin that may be dry or damp, a fast strong pulse, confusion, or passing out.\n"
            "• Call 911. Move the person to a cool place and cool them with wet cloths. Do not give them a drink.\n"
            "! Heat stroke can kill. Call 911 right away."),
        {
            {QStringLiteral("CDC, Recognizing Hypothermia"),
             QStringLiteral("https://www.cdc.gov/disasters/psa/hypothermia-recognizing.html")},
            {QStringLiteral("Sacramento County OES, Heat Exhaustion and Heat Stroke"),
             QStringLiteral("https://sacramentoready.saccounty.gov/AreYouPrepared/Pages/HeatExhaustion-HeatStroke.aspx")},
        },
    });

    chapters.append({
        4,
        QStringLiteral("Clean Water"),
        QStringLiteral(
            "Dirty water can make you very sick. If you are not sure water is safe, treat it before you drink it or cook with it.\n"
            "• Water from a store or a public tap is the safest. Fill clean jugs when you can.\n"
            "• Boil water for **one full minute** to kill germs. Let it cool before you drink it.\n"
            "• No way to boil? Add **8 drops** of plain household bleach to each gallon. Stir and wait **30 minutes**. Use bleach with no scent.\n"
            "• If the water is cloudy, let the dirt settle, or pour it through a clean cloth or filter. Then boil it or treat it."),
        {
            {QStringLiteral("Sacramento County OES, Water Treatment in an Emergency"),
             QStringLiteral("https://sacramentoready.saccounty.gov/AreYouPrepared/Pages/WaterTreatment.aspx")},
        },
    });

    chapters.append({
        5,
        QStringLiteral("Keeping Clean"),
        QStringLiteral(
            "Staying clean helps you stay well and feel good. It can help when you look for work, too.\n"
            "• Wash your hands with soap and water for **20 seconds**, most of all before you eat and after the toilet. No water? Use hand gel with at least 60% alcohol.\n"
            "• Many travel stops have private showers that anyone can pay for. Ask at the counter.\n"
            "• A gym membership can give you a place to shower each day. Ask what it costs and what you get.\n"
            "• Prices change from place to place, so always ask first.\n"
            "• **Dial 211** and ask where to find free showers and free laundry near you."),
        {
            {QStringLiteral("CDC, Handwashing and Hand Sanitizers (Keeping Hands Clean)"),
             QStringLiteral("https://www.cdc.gov/healthywater/hygiene/hand/handwashing.html")},
            {QStringLiteral("CDC, Show Me the Science: Hand Sanitizer"),
             QStringLiteral("https://www.cdc.gov/handwashing/show-me-the-science-hand-sanitizer.html")},
            {QStringLiteral("Montgomery et al. (CDC), Hand hygiene among people experiencing homelessness, Atlanta 2020"),
             QStringLiteral("https://pmc.ncbi.nlm.nih.gov/articles/PMC8242516")},
            {QStringLiteral("South Sound Business, King County and Clean the World launch mobile hygiene program"),
             QStringLiteral("https://www.southsoundbiz.com/news/king-county-clean-the-world-launch-mobile-hygiene-program-for-people-experiencing-homelessness/article_0cafb192-b115-11ec-bb67-2b06244bd49c.html")},
        },
    });

    chapters.append({
        6,
        QStringLiteral("Food When Money Is Gone"),
        QStringLiteral(
            "No one should go hungry. There is help with food in every state.\n"
            "• **SNAP** (food stamps) puts money for food on a card each month. Apply in the state where you live. You can apply even if you have no home.\n"
            "• The state must decide within **30 days**. If you have almost no money, ask if you can get help within 7 days.\n"
            "• SNAP work rules changed in **2025**. Some adults without children can get SNAP for only 3 months in 3 years, unless they work or train about 20 hours a week. Ask your SNAP office what counts for you.\n"
            "• **WIC** gives healthy food to pregnant women, new moms, babies and children under 5.\n"
            "• **Food banks** stock local pantries and meal sites. Dial 211 or search for **food bank** to find one.\n"
            "• The **National Hunger Hotline** can help you find meals near you. Its hours have changed, so if no one answers, dial 211."),
        {
            {QStringLiteral("USDA FNS, SNAP Eligibility"),
             QStringLiteral("https://fns-prod.azureedge.us/node/697")},
            {QStringLiteral("USDA FNS, SNAP work requirements (Fiscal Responsibility Act rule)"),
             QStringLiteral("https://fns-prod.azureedge.us/stakeholder-notification/snap/proposed-rule-work-requirements")},
            {QStringLiteral("USDA ERS, WIC Program background"),
             QStringLiteral("https://ers.usda.gov/topics/food-nutrition-assistance/wic-program/background/")},
            {QStringLiteral("Feeding America, The Feeding America Network"),
             QStringLiteral("https://www.feedingamerica.org/our-work/food-bank-network")},
            {QStringLiteral("KVIA News, SNAP benefits at risk: resources to combat food insecurity (Nov 2025)"),
             QStringLiteral("https://kvia.com/news/2025/11/06/snap-benefits-at-risk-resources-to-combat-food-insecurity/")},
        },
    });

    chapters.append({
        7,
        QStringLiteral("Health and First Aid: When to Call 911"),
        QStringLiteral(
            "Quick action saves lives. This chapter tells you when to call 911 and what to do while help is on the way.\n"
            "\n"
            "## Call 911 right away for:\n"
            "• **Stroke:** one side of the face droops, an arm is weak, or speech is strange. Note the time it started.\n"
            "• **Heart attack:** pain or pressure in the chest, pain in the arm, back, neck or jaw, short breath, a cold sweat, or feeling sick.\n"
            "• **Heat stroke or hypothermia.** See Chapter 3.\n"
            "• **A seizure** that lasts more than 5 minutes, or one seizure after another, or a person who is hurt or does not wake up after it.\n"
            "• **A bad allergy:** trouble breathing, or a swollen face, lips or throat. Use their allergy pen if they have one.\n"
            "• **Bad bleeding, choking or an overdose.** The steps are below.\n"
            "\n"
            "## Bad bleeding\n"
            "The Red Cross says bleeding is life-threatening when blood spurts or keeps flowing, or when an adult loses about **half a soda can** of blood.\n"
            "• Call 911.\n"
            "• Put on gloves if you have them.\n"
            "• Press hard on the wound with a clean cloth. Do not let go.\n"
            "• If blood soaks through, put more cloth on top and keep pressing.\n"
            "• Use a tourniquet only if you have been trained.\n"
            "\n"
            "## Choking\n"
            "The Red Cross says a person who cannot cough, talk, cry or breathe needs help now.\n"
            "• Ask, \"Are you choking?\" Tell them you will help. Have someone call 911.\n"
            "• Give **5 firm back blows** between the shoulder blades with the heel of your hand.\n"
            "• Then give **5 belly thrusts**. Stand behind them. Put your fist just above the belly button and pull in and up, hard.\n"
            "• Keep going, 5 and 5, until the food comes out or they can cough, talk or breathe.\n"
            "• If they pass out, call 911 and start CPR if you know how.\n"
            "\n"
            "## Opioid overdose\n"
            "SAMHSA says the signs are: the person will not wake up, breathing is very slow or has stopped, the lips or nails are blue, and the dark spots in the eyes are tiny.\n"
            "• Call 911. Say: **\"Someone is unresponsive and not breathing.\"** Give your exact place.\n"
            "• Give naloxone (Narcan) if you have it. It will not hurt them if it is not an overdose.\n"
            "• If there is no response in **2 to 3 minutes**, give a second dose.\n"
            "• Help them breathe. Give rescue breaths if you know how. If they breathe on their own, lay them on their side.\n"
            "• Stay with them. Naloxone wears off, and the overdose can come back. Watch them for **at least 4 hours**.\n"
            "\n"
            "## Not sure? Call Poison Help\n"
            "• If someone swallowed, breathed in or touched something that may be poison, call Poison Help at **1-800-222-1222**. It is free and open day and night.\n"
            "• If the person will not wake up or has trouble breathing, call 911 instead.\n"
            "\n"
            "## Everyday care\n"
            "• **Community health centers** see you even if you cannot pay. The less you earn, the less you pay. Search for **health center** to find one.\n"
            "• Keep a small first aid kit in your car.\n"
            "• Write your medicines and allergies on a card. Keep it in your wallet.\n"
            "• Do not wait until a small problem gets big. A cut that gets red, hot or swollen needs a doctor."),
        {
            {QStringLiteral("American Red Cross, Life-Threatening External Bleeding"),
             QStringLiteral("https://www.redcross.org/take-a-class/resources/learn-first-aid/bleeding-life-threatening-external")},
            {QStringLiteral("American Red Cross, Adult/Child Choking"),
             QStringLiteral("https://www.redcross.org/take-a-class/resources/learn-first-aid/adult-child-choking")},
            {QStringLiteral("SAMHSA, Opioid Overdose Prevention Toolkit: Five Essential Steps for First Responders"),
             QStringLiteral("https://store.samhsa.gov")},
            {QStringLiteral("American Stroke Association, Stroke Symptoms"),
             QStringLiteral("https://www.stroke.org/en/about-stroke/stroke-symptoms")},
            {QStringLiteral("American Heart Association, Heart Attack Warning Signs"),
             QStringLiteral("https://www.heart.org/en/health-topics/heart-attack/warning-signs-of-a-heart-attack")},
            {QStringLiteral("Epilepsy Foundation, Seizure First Aid"),
             QStringLiteral("https://www.epilepsy.com/living-epilepsy/seizure-first-aid-and-safety/first-aid-seizures-stay-safe-side")},
            {QStringLiteral("HRSA, Poison Help"),
             QStringLiteral("https://www.poisonhelp.hrsa.gov/the-poison-help-line/index.html")},
            {QStringLiteral("HRSA, What Is a Health Center"),
             QStringLiteral("https://bphc.hrsa.gov/about-health-center-program/what-health-center")},
        },
        GuideChapter::defaultChecked()
            + QStringLiteral(" · bleeding, choking and overdose steps checked against the Red Cross "
                             "and SAMHSA on ")
            + QLocale::c().toString(QDate::fromString(Badges::dataCheckedISO, Qt::ISODate),
                                    u"MMM d, yyyy"),
    });

    chapters.append({
        8,
        QStringLiteral("Taking Care of Your Mind"),
        QStringLiteral(
            "Living in a car is hard on your mind. Feeling sad, scared or angry is normal. You do not have to carry it alone.\n"
            "• **Call or text 988** at any time, day or night.\n"
            "• The **Crisis Text Line** helps by text at any hour. Search for **Crisis Text Line** to find how.\n"
            "• **SAMHSA's National Helpline** helps with drug, alcohol and mental health problems. It is free and open day and night.\n"
            "• Small steps help. Sleep, eat, drink water and take a walk. Talk to someone you trust. Set one small goal each day."),
        {
            {QStringLiteral("West Virginia 988, How does 988 work?"),
             QStringLiteral("https://wv988.org/how-it-works")},
            {QStringLiteral("Crisis Text Line (directory description)"),
             QStringLiteral("https://resources.penniesforpoverty.org/resources/crisis-text-line/")},
            {QStringLiteral("SAMHSA's National Helpline"),
             QStringLiteral("https://www.samhsa.gov/find-help/national-helpline")},
            {QStringLiteral("Mount Carmel Health, Self-care tips (from the National Institute of Mental Health)"),
             QStringLiteral("https://mountcarmelhealth.com/newsroom/blog-articles/self-care")},
        },
    });

    chapters.append({
        9,
        QStringLiteral("Your Papers, ID and Mail"),
        QStringLiteral(
            "Papers show who you are. You need them for jobs, benefits and housing.\n"
            "• A new **Social Security card** costs nothing. You can often ask for one online.\n"
            "• Get a **birth certificate** from the state where you were born. Each state has a vital records office.\n"
            "• For a new **driver's license** or **state ID**, go to your state's motor vehicle office.\n"
            "• Get mail at a post office with **General Delivery**. Ask which post office in town handles it. Mail is held for up to **30 days**.\n"
            "• Set up a free e-mail account. Library staff can help you.\n"
            "• Keep copies of your papers. Take photos of them, and keep the real ones in a dry, safe place."),
        {
            {QStringLiteral("Social Security Administration, Replace Social Security card"),
             QStringLiteral("https://www.ssa.gov/ssnumber/replace_your_card.html")},
            {QStringLiteral("USAGov, Replace Your Vital Records"),
             QStringLiteral("https://www.usa.gov/replace-vital-documents")},
            {QStringLiteral("CDC NCHS, Where to Write for Vital Records"),
             QStringLiteral("https://www.cdc.gov/nchs/w2w/index.htm")},
            {QStringLiteral("USAGov, Vital records (state offices)"),
             QStringLiteral("https://www.usa.gov/vital-records")},
            {QStringLiteral("USPS Link, Staying connected (General Delivery)"),
             QStringLiteral("https://link.usps.com/2015/05/28/staying-connected/")},
        },
    });

    chapters.append({
        10,
        QStringLiteral("Taking Care of Your Vehicle on a Budget"),
        QStringLiteral(
            "Your vehicle may be your home. Small checks now can save big repair bills later.\n"
            "• Check your **tires** once a month. Use the number on the sticker in the door frame, not on the tire.\n"
            "• Check your **oil** often, and change it on time.\n"
            "• Learn to change a **flat tire** and to **jump-start** a battery.\n"
            "• Have a mechanic check the **exhaust** once a year. A leak can let carbon monoxide inside.\n"
            "• Repair money is hard to find. Dial 211 and ask about car repair help. Some states help. California helps some people with low income pay for smog repairs.\n"
            "• Watch out for sites that sell **\"free car repair grants\"**. There is no national grant for car repairs."),
        {
            {QStringLiteral("NHTSA, Safety in Numbers: What you can do (tires)"),
             QStringLiteral("https://one.nhtsa.gov/nhtsa/Safety1nNum3ers/june2013/whatyoucandoJune2013.html")},
            {QStringLiteral("KENS5 (AAA Texas), Carbon monoxide warning for drivers"),
             QStringLiteral("https://www.kens5.com/article/news/local/aaa-texas-warns-of-carbon-monoxide-poisoning-wintry-weather-conditions/501-4fc26c43-c566-4cc9-b164-51ac39d4aab0")},
            {QStringLiteral("California DCA, Bureau of Automotive Repair Consumer Assistance Program"),
             QStringLiteral("https://thedcapage.blog/2016/08/15/bureau-of-automotive-repairs-consumer-assistance-program-cap/")},
        },
    });

    chapters.append({
        11,
        QStringLiteral("If Police Stop You: Stay Calm, Know Your Rights"),
        QStringLiteral(
            "Most police stops end fast. Staying calm helps keep you safe.\n"
            "• Stay calm. Keep your hands where the officer can see them. Do not run or fight, even if the stop seems unfair.\n"
            "• Do not lie, and do not show false papers.\n"
            "• You have the right to stay silent. Say it out loud: **\"I want to stay silent.\"** In some states you must give your name.\n"
            "• You can say no to a search of you, your car or your things: **\"I do not agree to a search.\"** Do not fight them if they search anyway.\n"
            "• In a car: pull over in a safe place and turn off the engine. At night, turn on the light inside. Keep your hands on the wheel. Show your license, registration and proof of insurance when asked.\n"
            "• Ask, **\"Am I free to go?\"** If they say yes, leave calmly.\n"
            "• If you are arrested, say you want a lawyer. Do not sign or say anything until you have one.\n"
            "• **Legal aid** offices give free help to people with low income. Search for **legal aid** to find one."),
        {
            {QStringLiteral("ACLU of Maine, Know Your Rights: Police Encounters"),
             QStringLiteral("https://aclumaine.org/en/know-your-rights/know-your-rights-police-encounters")},
            {QStringLiteral("Legal Services Corporation, How Legal Aid Works"),
             QStringLiteral("https://www.lsc.gov/")},
        },
    });

    chapters.append({
        12,
        QStringLiteral("Making Money the Honest Way"),
        QStringLiteral(
            "There is honest work you can do, even while you live in your car.\n"
            "• Small jobs need little gear: walking dogs, yard work, helping people move, or cleaning.\n"
            "• **Seasonal work** on farms, in parks, in stores at the holidays, or in big warehouses often hires many people at once.\n"
            "• Use free job boards, such as **CareerOneStop**. For federal jobs, use **USAJOBS**. Never pay to get a job.\n"
            "• Pay figures in this app are for employees. If you work for yourself, you pay your own costs and taxes."),
        {
            {QStringLiteral("BLS, Occupational Employment and Wages, May 2012 (news release)"),
             QStringLiteral("https://www.bls.gov/news.release/archives/ocwage_03292013.htm")},
            {QStringLiteral("FTC Consumer Alert, Hire not so delightful (seasonal work)"),
             QStringLiteral("https://consumer.ftc.gov/consumer-alerts/2020/12/hire-not-so-delightful")},
            {QStringLiteral("FTC Consumer Alert, Don't let job scams block your path forward"),
             QStringLiteral("https://consumer.ftc.gov/consumer-alerts/2021/04/dont-let-job-scams-block-your-path-forward")},
        },
    });

    chapters.append({
        13,
        QStringLiteral("Scams to Watch For"),
        QStringLiteral(
            "Scammers go after people who need money fast. Know the signs.\n"
            "• **Never pay to get a job.** An honest boss does not ask you for money.\n"
            "• If someone sends you a check and asks you to send some back, it is a **fake check** scam. You will owe the bank.\n"
            "• Be careful of promises of easy money or big pay for work at home.\n"
            "• **Multi-level marketing** asks you to buy goods and sign up friends. Many people lose money.\n"
            "• The internet discount called **ACP** ended in June 2024. Do not pay anyone to sign you up.\n"
            "• The **Lifeline** phone discount is still active. If you get SNAP or Medicaid, you may qualify.\n"
            "• Report scams to the **FTC**. Search for **scams** to find how."),
        {
            {QStringLiteral("MilitaryConsumer.gov (FTC), job scams and fake checks"),
             QStringLiteral("https://militaryconsumer.gov/node/85548")},
            {QStringLiteral("Pitt County NC, Protect Yourself Against Job Search Fraud"),
             QStringLiteral("https://www.pittcountync.gov/620/Protect-Yourself-Against-Job-Search-Frau")},
            {QStringLiteral("Puerto Rico Broadband Program (Smart Island), The ACP has ended - for now"),
             QStringLiteral("https://smartisland.pr.gov/en-us/noticias-y-eventos/el-acp-ha-terminado-por-ahora")},
            {QStringLiteral("USAC Lifeline Support Center, Proof of eligibility"),
             QStringLiteral("https://www.lifelinesupport.org/national-verifier/error-messages-relating-to-your-eligibility/")},
        },
    });

    return chapters;
}

} // namespace GuideContent
